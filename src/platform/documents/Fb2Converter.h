#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

// A FictionBook 2 book in the encoding its XML declaration names: the main body's text, then the
// other bodies (the notes). The description, stylesheets and base64 binaries never reach the
// text. Nothing when it is not well-formed XML.
std::optional<QString> Fb2ToText(QByteArrayView bytes, const std::stop_token &stop);
