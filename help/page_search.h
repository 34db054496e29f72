#ifndef HELP_PAGE_SEARCH_H
#define HELP_PAGE_SEARCH_H

// The keyword search over the guide's pages: each source page's file is read,
// turned into plain text, and kept when the keyword occurs in it (any letter
// case, also inside words). A page whose file cannot be read is reported and
// counts as not matching; the search goes on with the next page.

#include <QString>
#include <QVector>

#include <optional>

namespace help {

// One page of a list: its caption and its link, relative to the guide folder.
struct PageRef {
    QString caption;
    QString link;
    bool operator==(const PageRef&) const = default;
};

struct PageReadError {
    enum class Kind { Inaccessible, Other };
    Kind kind = Kind::Other;
    QString link;       // as written in the contents file
    int number = 0;
    QString description;

    // The message the guide window shows for this failure.
    QString message() const;
};

struct SearchResult {
    QVector<PageRef> matches;           // in source order; a page listed twice can match twice
    QVector<PageReadError> failures;    // in the order met
};

// The plain text of a page file: HTML without its markup (scripts and styles
// dropped, entities decoded), rich text without its control words, any other
// file as text. Sets error and returns nothing when the file cannot be read.
std::optional<QString> readPageText(const QString& guideFolder, const QString& link, PageReadError* error);

// Plain text of an HTML or a rich-text page.
QString htmlToText(const QString& html);
QString rtfToText(const QString& rtf);

// Searches the pages of sources for keyword (taken as it is, not trimmed).
// An empty keyword matches no page.
SearchResult searchPages(const QString& guideFolder, const QVector<PageRef>& sources, const QString& keyword);

}  // namespace help

#endif  // HELP_PAGE_SEARCH_H
