#include "platform/qt/dialog_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

QFont DialogFont(const char* faceName, int points)
{
    QString face = QString::fromLatin1(faceName ? faceName : "");
    if (!face.isEmpty() && QFontDatabase::families().contains(face, Qt::CaseInsensitive)) {
        QFont font(face);
        font.setPointSize(points);
        return font;
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font)
{
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return { AverageCharWidth(letters), metrics.height() };
}
