#ifndef UI_TEXT_H
#define UI_TEXT_H

// Conversions between the engine's texts and Qt's.

#include "engine/messages.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace ui {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
inline std::string ss(const QString& text) { return text.toStdString(); }

// A button's caption without its access-key mark: "S&tore" reads "Store",
// and "&&" stands for one ampersand.
inline QString withoutAccessKey(const QString& text)
{
    QString caption;
    caption.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        caption += text[i];
    }
    return caption;
}

// A message of the catalogue, its variable parts filled with values in order.
inline QString qs(const engine::msg::Message& message, const QStringList& values = {})
{
    std::vector<std::string> held;
    for (const QString& value : values)
        held.push_back(ss(value));
    return qs(engine::msg::text(message, held));
}

// Twips (1/1440 inch) to pixels, at 15 twips per pixel.
constexpr int px(int twips) { return twips / 15; }

}  // namespace ui

#endif  // UI_TEXT_H
