// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/problems_panel.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <optional>

#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Long enough to span the keystrokes of a word, short enough to feel immediate.
constexpr int kPauseMilliseconds = 200;

// Heading rows carry no parent; a finding's row carries its heading's row plus one.
constexpr quintptr kHeadingId = 0;

// The name of a feature as a tile labels it: "ROAD HWY MJR" for MAP_ROAD_HWY_MJR_CLR.
QString feature_label(const QString& field_name) {
    QString name = field_name;
    if (name.startsWith(QLatin1String("MAP_"))) {
        name.remove(0, 4);
    }
    if (name.endsWith(QLatin1String("_CLR"))) {
        name.chop(4);
    }
    return name.replace(QLatin1Char('_'), QLatin1Char(' '));
}

// What the Element column shows for a finding that is not about one Element.
QString place_name(const Finding& finding) {
    if (!finding.field_name.isEmpty()) {
        return feature_label(finding.field_name);
    }
    return finding.presentation.isEmpty() ? ProblemsModel::tr("Theme")
                                          : ProblemsModel::tr("Presentation");
}

}  // namespace

ProblemsModel::ProblemsModel(QObject* parent) : QAbstractItemModel(parent) {
    QStyle* style = QApplication::style();
    icons_ = {style->standardIcon(QStyle::SP_MessageBoxCritical),
              style->standardIcon(QStyle::SP_MessageBoxWarning),
              style->standardIcon(QStyle::SP_MessageBoxInformation)};
}

void ProblemsModel::set_findings(const Theme& theme, std::vector<Finding> findings) {
    beginResetModel();
    findings_ = std::move(findings);
    element_names_.clear();
    element_names_.reserve(findings_.size());
    for (std::vector<int>& group : groups_) {
        group.clear();
    }
    for (int k = 0; k < int(findings_.size()); ++k) {
        const Finding& f = findings_[size_t(k)];
        // The name as the theme holds it now, shared rather than copied; shown trimmed.
        const bool of_element = f.element >= 0 && f.element < theme.element_count();
        element_names_.push_back(of_element ? theme.elements[size_t(f.element)].display_name
                                            : QString());
        groups_[size_t(f.severity())].push_back(k);
    }
    headings_.clear();
    for (Severity severity : {Severity::Error, Severity::Warning, Severity::Hint}) {
        if (count(severity) > 0) {
            headings_.push_back(severity);
        }
    }
    endResetModel();
}

const Finding* ProblemsModel::finding_at(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == kHeadingId) {
        return nullptr;
    }
    const std::vector<int>& group = groups_[size_t(headings_[index.internalId() - 1])];
    return &findings_[size_t(group[size_t(index.row())])];
}

QModelIndex ProblemsModel::heading_of(Severity severity) const {
    const auto at = std::find(headings_.begin(), headings_.end(), severity);
    return at == headings_.end() ? QModelIndex() : index(int(at - headings_.begin()), 0);
}

QModelIndex ProblemsModel::index_of_finding(int k) const {
    if (k < 0 || k >= int(findings_.size())) {
        return {};
    }
    const QModelIndex heading = heading_of(findings_[size_t(k)].severity());
    // Each group lists its findings in ascending order.
    const std::vector<int>& group = groups_[size_t(findings_[size_t(k)].severity())];
    const auto at = std::lower_bound(group.begin(), group.end(), k);
    return index(int(at - group.begin()), 0, heading);
}

// The list asks for every row when it lays itself out: index, parent and hasChildren answer
// without going through the row counts.
QModelIndex ProblemsModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount) {
        return {};
    }
    if (!parent.isValid()) {
        return row < int(headings_.size()) ? createIndex(row, column, kHeadingId) : QModelIndex();
    }
    if (parent.internalId() != kHeadingId || parent.column() != 0 ||
        row >= count(headings_[size_t(parent.row())])) {
        return {};
    }
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

bool ProblemsModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() || (parent.internalId() == kHeadingId && parent.column() == 0);
}

QModelIndex ProblemsModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kHeadingId) {
        return {};
    }
    return createIndex(int(child.internalId() - 1), 0, kHeadingId);
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return int(headings_.size());
    }
    if (parent.internalId() == kHeadingId && parent.column() == 0) {
        return count(headings_[size_t(parent.row())]);
    }
    return 0;
}

int ProblemsModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (index.internalId() == kHeadingId) {
        const Severity severity = headings_[size_t(index.row())];
        if (role == Qt::DisplayRole && index.column() == 0) {
            switch (severity) {
                case Severity::Error:
                    return tr("Errors (%1)").arg(count(severity));
                case Severity::Warning:
                    return tr("Warnings (%1)").arg(count(severity));
                case Severity::Hint:
                    break;
            }
            return tr("Hints (%1)").arg(count(severity));
        }
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const Finding& f = *finding_at(index);
    const size_t k = size_t(&f - findings_.data());
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case ElementColumn:
                    return f.element >= 0 ? space_trimmed(element_names_[k]) : place_name(f);
                case PresentationColumn:
                    return f.presentation;
                default:
                    return f.message();
            }
        case Qt::ToolTipRole: {
            // The field's name as the file spells it, beside the name the tiles show.
            const QString about =
                f.field_name.isEmpty() ? QString() : f.field_name + QStringLiteral(": ");
            return about + f.message() + QStringLiteral(" [") + f.code() + QStringLiteral("]");
        }
        case Qt::DecorationRole:
            return index.column() == ElementColumn ? icons_[size_t(f.severity())] : QVariant();
        default:
            return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case ElementColumn:
            return tr("Element");
        case PresentationColumn:
            return tr("Presentation");
        default:
            return tr("Problem");
    }
}

ProblemsPanel::ProblemsPanel(ThemeDocument& document, QWidget* parent)
    : QDockWidget(parent), document_(document) {
    setObjectName(QStringLiteral("problems_panel"));
    model_ = new ProblemsModel(this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("problems_list"));
    list_->setAccessibleName(tr("Problems"));
    list_->setModel(model_);
    // Every row is one line high, so that a list of thousands lays out at once.
    list_->setUniformRowHeights(true);
    list_->setRootIsDecorated(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // No name and no message is cut: each column is as wide as its longest text, and the list
    // scrolls sideways.
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(list_);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMilliseconds);
    connect(pause_, &QTimer::timeout, this, &ProblemsPanel::refresh_now);
    connect(&document_, &ThemeDocument::changed, this, &ProblemsPanel::follow_document);

    const auto fold = [this](const QModelIndex& index, bool folded) {
        if (!index.parent().isValid() && index.row() >= 0) {
            for (Severity severity : {Severity::Error, Severity::Warning, Severity::Hint}) {
                if (model_->heading_of(severity) == index) {
                    folded_[size_t(severity)] = folded;
                }
            }
        }
    };
    connect(list_, &QTreeView::collapsed, this,
            [fold](const QModelIndex& index) { fold(index, true); });
    connect(list_, &QTreeView::expanded, this,
            [fold](const QModelIndex& index) { fold(index, false); });
    connect(list_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const Finding* f = model_->finding_at(index);
        if (f != nullptr && f->shown_at >= 0) {
            emit element_chosen(f->shown_at);
        }
    });
    connect(list_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const Finding* f = model_->finding_at(index);
        if (f != nullptr && f->shown_at >= 0) {
            emit element_opened(f->shown_at);
        }
    });
    refresh_now();
}

void ProblemsPanel::follow_document(DocumentChange change) {
    if (change != DocumentChange::Replaced) {
        pause_->start();
        return;
    }
    // An opened theme is checked as soon as its first tiles are painted (checking a million
    // styles takes a good part of a second), and the panel comes up when it has errors.
    pause_->stop();
    // Until then the list shows nothing rather than findings of the theme that was replaced.
    model_->set_findings(document_.theme(), {});
    QTimer::singleShot(0, this, [this] {
        refresh_now();
        if (document_.has_file() && model_->count(Severity::Error) > 0) {
            show();
            raise();
        }
    });
}

void ProblemsPanel::refresh_now() {
    pause_->stop();
    // The finding the user stands on stays current when it is still there.
    std::optional<Finding> current;
    if (const Finding* f = model_->finding_at(list_->currentIndex())) {
        current = *f;
    }
    const Theme& theme = document_.theme();
    model_->set_findings(theme, check_theme(theme));
    for (Severity severity : {Severity::Error, Severity::Warning, Severity::Hint}) {
        const QModelIndex heading = model_->heading_of(severity);
        if (heading.isValid()) {
            list_->setExpanded(heading, !folded_[size_t(severity)]);
        }
    }
    if (current) {
        const std::vector<Finding>& now = model_->findings();
        const auto same = std::find_if(now.begin(), now.end(), [&](const Finding& f) {
            return f.check == current->check && f.shown_at == current->shown_at &&
                   f.field_name == current->field_name;
        });
        if (same != now.end()) {
            list_->setCurrentIndex(model_->index_of_finding(int(same - now.begin())));
        }
    }
    update_title();
}

void ProblemsPanel::update_title() {
    const int errors = model_->count(Severity::Error);
    const int warnings = model_->count(Severity::Warning);
    const int hints = model_->count(Severity::Hint);
    if (errors + warnings + hints == 0) {
        setWindowTitle(tr("Problems (none)"));
        return;
    }
    setWindowTitle(tr("Problems (%1)").arg(findings_count_text(errors, warnings, hints)));
}

}  // namespace quorvane
