#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quorvane {

namespace {

QAction* item(QMenu& menu, const QString& name, const QString& caption) {
    QAction* action = caption == QStringLiteral("-") ? menu.addSeparator() : menu.addAction(caption);
    action->setObjectName(name);
    action->setMenuRole(QAction::NoRole);
    return action;
}

}  // namespace

MainMenu build_main_menu(QMenuBar& bar) {
    MainMenu m;
    m.mfile = bar.addMenu(QStringLiteral("File"));
    m.mfile->setObjectName(QStringLiteral("mfile"));
    const QStringList file_items{"New",  "-", "Open",  "-", "Save", "-",
                                 "About", "-", "Print", "-", "Exit", "-"};
    for (int k = 0; k < 18; ++k) {
        const QString caption = k < file_items.size() ? file_items[k] : QString();
        m.mf[size_t(k)] = item(*m.mfile, QStringLiteral("mf%1").arg(k), caption);
    }
    m.mf[4]->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m.mf[8]->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    m.mf[8]->setEnabled(false);
    for (int k = 0; k < 6; ++k) {
        set_recent_caption(*m.recent_file(k), QString());
    }

    m.medit = bar.addMenu(QStringLiteral("Edit"));
    m.medit->setObjectName(QStringLiteral("medit"));
    m.med[0] = item(*m.medit, QStringLiteral("med0"), QStringLiteral("Add Presentations"));
    m.med[1] = item(*m.medit, QStringLiteral("med1"), QStringLiteral("Remove Presentations"));

    m.mpref = bar.addMenu(QStringLiteral("Preference"));
    m.mpref->setObjectName(QStringLiteral("mpref"));
    m.mset = item(*m.mpref, QStringLiteral("mset"), QStringLiteral("Settings"));
    m.mpref->setEnabled(false);
    m.mpref->menuAction()->setEnabled(false);

    m.mhelp = bar.addMenu(QStringLiteral("Help"));
    m.mhelp->setObjectName(QStringLiteral("mhelp"));
    m.mhlp[0] = item(*m.mhelp, QStringLiteral("mhlp0"), QStringLiteral("Check for Updates"));
    m.mhlp[1] = item(*m.mhelp, QStringLiteral("mhlp1"), QStringLiteral("-"));
    m.mhlp[2] = item(*m.mhelp, QStringLiteral("mhlp2"), QStringLiteral("Manual"));
    return m;
}

void set_recent_caption(QAction& item, const QString& path) {
    QString caption = path;
    item.setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    item.setData(path);
    item.setVisible(!path.isEmpty());
}

}  // namespace quorvane
