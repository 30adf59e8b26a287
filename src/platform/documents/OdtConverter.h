#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

// An OpenDocument text read from its content.xml, with list styles from styles.xml: paragraphs,
// headings and table cells a line each, list items with their bullets or numbers, each note's
// citation as "[n]" and the notes' text after the body. Annotations and tracked deletions stay
// out. Nothing when it is no such document (an encrypted one included) or unpacks to too much.
std::optional<QString> OdtToText(QByteArrayView bytes, const std::stop_token &stop);
