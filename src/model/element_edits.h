// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <utility>
#include <vector>

#include "model/copied_style.h"
#include "model/theme_edits.h"

namespace quorvane {

// Elements taken out of a theme, each with the number it had.
using RemovedElements = std::vector<std::pair<int, Element>>;

// Puts removed Elements back at their numbers (first number first); the others keep their
// order around them. `removed` is emptied.
void put_back(std::vector<Element>& elements, RemovedElements& removed);

// Removes Elements by number (ascending, each once). A presentation left without Elements
// leaves the presentation table and list, which are then rebuilt as removing it would.
class DeleteElementsEdit : public ThemeEdit {
  public:
    explicit DeleteElementsEdit(std::vector<int> numbers) : numbers_(std::move(numbers)) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;

  private:
    std::vector<int> numbers_;
    RemovedElements removed_;
    KeptPresentationTables tables_before_;
};

// Pastes a copied style onto Elements by number (all of its kind).
class PasteStyleEdit : public ThemeEdit {
  public:
    PasteStyleEdit(std::vector<int> numbers, CopiedStyle copied)
        : numbers_(std::move(numbers)), copied_(std::move(copied)) {}
    QString name() const override;
    void apply(Theme& theme) override;
    void revert(Theme& theme) override;
    bool keeps_layout() const override { return true; }

  private:
    std::vector<int> numbers_;
    CopiedStyle copied_;
    std::vector<ElementStyle> before_;  // one per number
};

}  // namespace quorvane
