// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/element.h"

namespace quorvane {

// Title, description, locale and version: the texts of the main window's four metadata fields.
struct Metadata {
    QString title;
    QString description;
    QString locale;
    QString version;

    friend bool operator==(const Metadata&, const Metadata&) = default;
};

// A theme's content. A plain value: the document owns the open one.
struct Theme {
    // Element k is element number k; the Elements of one presentation stand next to each other.
    std::vector<Element> elements;
    // The theme's presentation names (the presentation table); its size is the presentation count.
    QStringList project_presentations;
    // The names shown in the main window's presentation list, in the order they were added.
    QStringList listed_presentations;
    Metadata metadata;

    friend bool operator==(const Theme&, const Theme&) = default;

    int element_count() const { return static_cast<int>(elements.size()); }
    int presentation_count() const { return static_cast<int>(project_presentations.size()); }
};

}  // namespace quorvane
