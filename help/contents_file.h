#ifndef HELP_CONTENTS_FILE_H
#define HELP_CONTENTS_FILE_H

// The guide's contents file: four header lines, then one six-field record a
// line (kind, parent, spare, key, text, link). A field may be quoted and then
// hold commas; blanks before an unquoted field are skipped. Reading checks
// what the contents tree needs: unique keys, parents before their children,
// no more entries than the tree holds.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace help {

// The link of an entry that has no page (a chapter heading, mostly).
inline const QString kNoLink = QStringLiteral("NO LINK");

// The most entries the contents tree and the index hold.
inline constexpr int kMaxEntries = 32767;

struct ContentsEntry {
    QString kind;    // "p" for a chapter, anything else for a page
    QString parent;  // key of the parent entry; empty at the top level
    QString spare;   // read, not used for the tree's shape
    QString key;
    QString text;    // caption in the tree and the index
    QString link;    // page file relative to the guide folder, or kNoLink

    int position = 0;  // 1-based place in the file's records, = place in the tree

    bool isChapter() const { return kind == QLatin1String("p"); }
    bool hasPage() const { return link != kNoLink; }
    // A child without a parent entry (parent empty, spare not) is placed at
    // the top level.
    bool isTopLevel() const { return parent.isEmpty(); }
};

// Why reading stopped. number and description form the message
// "Error: " + number + " " + description.
struct ContentsError {
    enum class Kind { FileNotFound, FileUnreadable, ShortFile, BadRecord, DuplicateKey, UnknownParent, TooManyEntries };
    Kind kind = Kind::BadRecord;
    int number = 0;
    QString description;
    int line = 0;  // 1-based line of the file where reading stopped; 0 for the file itself

    QString message() const;
};

struct Contents {
    QVector<ContentsEntry> entries;        // every record read before a failure
    std::optional<ContentsError> error;    // set when reading stopped early
};

// Splits one record line into its fields; nothing when the line is not a
// well-formed record (an unterminated quote, text after a closing quote).
std::optional<QStringList> splitRecord(const QString& line);

// Reads the contents file at path.
Contents readContents(const QString& path);
// Reads contents from text already in memory (the file's whole text).
Contents parseContents(const QString& text);

}  // namespace help

#endif  // HELP_CONTENTS_FILE_H
