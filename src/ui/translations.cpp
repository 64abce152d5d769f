// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvane {

namespace {

// Loads "<name>_<language>.qm" from `folder`, trying the locale's languages from the most
// specific on; installs it when one is found.
void install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void install_translations(QCoreApplication& application) {
    install(application, QStringLiteral("quorvane"), QStringLiteral(":/i18n"));
    install(application, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace quorvane
