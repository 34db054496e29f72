#ifndef REPORTS_FILENAMES_H
#define REPORTS_FILENAMES_H

// File names made from the designer's texts (a project number, a table name).

#include <QString>

namespace reports {

// The text as a file name: every character a file name cannot hold on any
// desktop (/ \ : * ? " < > | and control characters) becomes "-", runs of
// blanks become one, blanks and dots at the ends go. The empty result gives
// fallback. "NH-0417/22 3" gives "NH-0417-22 3".
QString fileNameOf(const QString& text, const QString& fallback);

}  // namespace reports

#endif  // REPORTS_FILENAMES_H
