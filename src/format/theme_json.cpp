#include "format/theme_json.h"

#include <QJsonArray>

namespace quorvane {

QJsonObject theme_json(const Theme& theme, const QString& file_name, const QStringList& messages) {
    QJsonArray elements;
    for (const Element& e : theme.elements) {
        elements.append(QJsonObject{
            {QStringLiteral("sort_code"), e.sort_code},
            {QStringLiteral("field_name"), e.field_name},
            {QStringLiteral("display_name"), e.display_name},
            {QStringLiteral("presentation"), e.presentation},
            {QStringLiteral("scale"), e.scale},
            {QStringLiteral("border"), e.border},
            {QStringLiteral("primary_day"), e.primary_day},
            {QStringLiteral("primary_night"), e.primary_night},
            {QStringLiteral("secondary_day"), e.secondary_day},
            {QStringLiteral("secondary_night"), e.secondary_night},
        });
    }
    return QJsonObject{
        {QStringLiteral("file"), file_name},
        {QStringLiteral("metadata"),
         QJsonObject{{QStringLiteral("title"), theme.metadata.title},
                     {QStringLiteral("description"), theme.metadata.description},
                     {QStringLiteral("locale"), theme.metadata.locale},
                     {QStringLiteral("version"), theme.metadata.version}}},
        {QStringLiteral("presentations"), QJsonArray::fromStringList(theme.project_presentations)},
        {QStringLiteral("list"), QJsonArray::fromStringList(theme.listed_presentations)},
        {QStringLiteral("elements"), elements},
        {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
    };
}

}  // namespace quorvane
