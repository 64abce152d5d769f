// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "model/element_additions.h"
#include "model/style_colours.h"
#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {

// One named change of a theme. It is applied when made and again on redo, and reverted on undo;
// revert restores exactly the theme apply started from. Messages the change raises (for the
// user) are collected, not shown.
class ThemeEdit {
  public:
    virtual ~ThemeEdit() = default;

    // What the Edit menu calls the change ("Add 2 Elements").
    virtual QString name() const = 0;
    virtual void apply(Theme& theme) = 0;
    virtual void revert(Theme& theme) = 0;
    // Whether the change only touched styles or metadata: the preview keeps its layout.
    virtual bool keeps_layout() const { return false; }

    // Edits of the same non-negative key may merge with the edit before them (typing).
    virtual int merge_key() const { return -1; }
    virtual bool merge_with(const ThemeEdit& next) {
        (void)next;
        return false;
    }

    const MessageList& messages() const { return messages_; }

  protected:
    MessageList messages_;
};

// The two presentation tables a change of the presentations rewrites, kept for its undo.
struct KeptPresentationTables {
    QStringList project;
    QStringList listed;

    void keep(const Theme& theme) {
        project = theme.project_presentations;
        listed = theme.listed_presentations;
    }
    void put_back(Theme& theme) const {
        theme.project_presentations = project;
        theme.listed_presentations = listed;
    }
};

// Adds the picked catalogue names to their presentations and relists the presentations.
class AddElementsEdit : public ThemeEdit {
  public:
    explicit AddElementsEdit(std::vector<ElementPick> picks) : picks_(std::move(picks)) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;
    // Where the Elements the last apply added stand now.
    std::vector<int> added() const;

  private:
    std::vector<ElementPick> picks_;
    std::vector<int> origin_;
    KeptPresentationTables tables_before_;
};

// Copies every Element into each named presentation.
class AddPresentationsEdit : public ThemeEdit {
  public:
    explicit AddPresentationsEdit(QStringList names) : names_(std::move(names)) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;

  private:
    QStringList names_;
    size_t count_before_ = 0;
    KeptPresentationTables tables_before_;
};

// Removes the named presentations with their Elements.
class RemovePresentationsEdit : public ThemeEdit {
  public:
    explicit RemovePresentationsEdit(QStringList names) : names_(std::move(names)) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;

  private:
    QStringList names_;
    std::vector<std::pair<int, Element>> removed_;
    KeptPresentationTables tables_before_;
};

// Gives one Element a new style and, when asked, copies it to the same feature in every other
// presentation.
class ApplyStyleEdit : public ThemeEdit {
  public:
    ApplyStyleEdit(int index, ElementStyle style, bool to_all_presentations)
        : index_(index), style_(std::move(style)), to_all_(to_all_presentations) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;
    bool keeps_layout() const override { return true; }

  private:
    int index_;
    ElementStyle style_;
    bool to_all_;
    QString display_name_;
    bool colours_only_ = false;
    // Every Element the edit changed, with its style before.
    std::vector<std::pair<int, ElementStyle>> before_;
};

enum class MetadataField { Title, Description, Locale, Version };

QString& metadata_text(Metadata& metadata, MetadataField field);
const QString& metadata_text(const Metadata& metadata, MetadataField field);

// Sets one metadata text. Typing in one box during one visit makes one step: edits of the same
// field and visit merge.
class SetMetadataEdit : public ThemeEdit {
  public:
    SetMetadataEdit(MetadataField field, QString text, int visit)
        : field_(field), text_(std::move(text)), visit_(visit) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;
    bool keeps_layout() const override { return true; }
    int merge_key() const override { return 1000 + int(field_); }
    bool merge_with(const ThemeEdit& next) override;

  private:
    MetadataField field_;
    QString text_;
    int visit_;
    QString before_;
};

}  // namespace quorvane
