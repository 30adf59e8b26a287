#pragma once
#include <QString>

// The clean-up commands written down step by step as their algorithms are stated, list deletions
// and repeated replacements included: slow on a long text, but plainly what the steps say, so
// that the linear versions can be checked against them.
namespace Literal {

QString RemoveHyphenation(const QString &text);
QString SplitIntoSentences(const QString &text);

} // namespace Literal
