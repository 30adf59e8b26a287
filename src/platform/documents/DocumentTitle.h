#pragma once
#include <QString>

// What a document file says of itself: its title and its author, as FB2, EPUB, Word and
// OpenDocument text, PDF and HTML keep them; empty where the file does not tell or cannot be
// read. Reads the file, so it belongs away from the user-interface thread.
struct DocumentTitle {
    QString title;
    QString author;
};

DocumentTitle ReadDocumentTitle(const QString &path);
