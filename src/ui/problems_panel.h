// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QDockWidget>
#include <QIcon>
#include <array>
#include <vector>

#include "model/theme_check.h"
#include "model/theme_document.h"

class QTimer;
class QTreeView;

namespace quorvane {

// The findings as a list grouped by severity: one heading row per severity that has findings,
// with the findings beneath it.
class ProblemsModel : public QAbstractItemModel {
    Q_OBJECT

  public:
    enum Column { ElementColumn, PresentationColumn, MessageColumn, ColumnCount };

    explicit ProblemsModel(QObject* parent = nullptr);

    // Shows these findings of this theme in place of the ones before.
    void set_findings(const Theme& theme, std::vector<Finding> findings);
    const std::vector<Finding>& findings() const { return findings_; }
    int count(Severity severity) const { return int(groups_[size_t(severity)].size()); }
    // The finding a row shows; nothing for a heading row.
    const Finding* finding_at(const QModelIndex& index) const;
    // The row that shows finding k.
    QModelIndex index_of_finding(int k) const;
    QModelIndex heading_of(Severity severity) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Finding> findings_;
    // The display name of each finding's Element (empty for the others).
    std::vector<QString> element_names_;
    // The findings of each severity, by number.
    std::array<std::vector<int>, 3> groups_;
    // The severities that have findings, in the order of their heading rows.
    std::vector<Severity> headings_;
    std::array<QIcon, 3> icons_;
};

// The Problems panel: what is wrong with the open theme, kept up to date while the user edits.
// A click on a finding asks for its Element's tile, a double-click for its style editor.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT

  public:
    explicit ProblemsPanel(ThemeDocument& document, QWidget* parent = nullptr);

    // Checks the theme now rather than after the pause that follows an edit.
    void refresh_now();

    const std::vector<Finding>& findings() const { return model_->findings(); }
    const ProblemsModel& model() const { return *model_; }
    QTreeView* list() const { return list_; }

  signals:
    void element_chosen(int element);
    void element_opened(int element);

  private:
    void follow_document(DocumentChange change);
    void update_title();

    ThemeDocument& document_;
    ProblemsModel* model_;
    QTreeView* list_;
    // Edits come in bursts while the user types or drags: the check waits for a pause.
    QTimer* pause_;
    // Headings the user folded stay folded when the list is refreshed.
    std::array<bool, 3> folded_{};
};

}  // namespace quorvane
