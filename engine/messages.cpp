#include "engine/messages.h"

#include "engine/number_text.h"

#include <array>

namespace engine::msg {

namespace {

constexpr std::array kCatalogue = {
    &kNotNumber,       &kCFactorTooHigh,      &kSlopeTooSteep,      &kHeightTooLow,        &kTableHeightTooLow,
    &kRowBelowMinimum, &kQ2TooHigh,           &kHeightAboveElevations, &kLengthConversion, &kDistanceBA,
    &kCAboveB,         &kPipeOutOfRange,      &kQ25TooHigh,         &kOverDesigned,
    &kDateNotValid,    &kNoSuchDay,
    &kTableExists,     &kTableCreated,        &kAskDeleteTable,     &kTableDeleted,        &kTableError,
    &kRecordStored,    &kStoreError,          &kRecordUpdated,      &kUpdateError,         &kAskDeleteRecord,
    &kRecordDeleted,   &kDateFormatError,     &kLoadError,
    &kReportError,     &kNoTextViewer,        &kAskSummaryPdf,      &kSummaryNotPrinted,   &kSummaryNotSaved,
    &kManualPageMissing, &kManualPageUnreadable, &kGuideFileError,  &kPageNotShown,        &kFirstPage,
    &kLastPage,        &kAskPagePdf,          &kPageNotSaved,       &kPageInUse,           &kNoMatch,
    &kSysInfoUnavailable,
    &kNoTableOpen,     &kNoBasinsToShow,      &kNoPrinterForSheet,  &kSheetNotPrinted,     &kSheetSaved,
    &kSheetsSaved,     &kSheetNotSaved,       &kTableExported,      &kTableNotExported,
    &kUnsavedChanges,  &kAlreadyOpen,         &kBackupFailed,
    &kChangedByAnother, &kDeletedByAnother,
};

// A variable part at position i of the pattern: "%" and one digit 1 to 9.
bool isPlaceholder(std::string_view pattern, std::size_t i)
{
    return pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
}

}  // namespace

std::span<const Message* const> catalogue() { return kCatalogue; }

std::string text(const Message& message, std::initializer_list<std::string_view> values)
{
    const std::vector<std::string> held(values.begin(), values.end());
    return text(message, held);
}

std::string text(const Message& message, std::span<const std::string> values)
{
    const std::string_view pattern = message.pattern;
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (isPlaceholder(pattern, i)) {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < values.size())
                out += values[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::vector<std::string_view> fixedParts(const Message& message)
{
    const std::string_view pattern = message.pattern;
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (isPlaceholder(pattern, i)) {
            parts.push_back(pattern.substr(start, i - start));
            start = i + 2;
            ++i;
        }
    }
    parts.push_back(pattern.substr(start));
    return parts;
}

std::string heightTooLow(std::string_view hText) { return text(kHeightTooLow, {hText}); }

std::string rowBelowMinimum(float minimumHeight) { return text(kRowBelowMinimum, {generalText32(minimumHeight)}); }

std::string lengthConversionError(std::string_view description) { return text(kLengthConversion, {description}); }

std::string unsavedChanges(std::string_view projectNumber, std::string_view basinNumber)
{
    std::string basin;
    if (!basinNumber.empty() && !projectNumber.empty())
        basin = "Basin " + std::string(basinNumber) + " of project " + std::string(projectNumber);
    else if (!basinNumber.empty())
        basin = "Basin " + std::string(basinNumber);
    else if (!projectNumber.empty())
        basin = "The basin of project " + std::string(projectNumber);
    else
        basin = "The basin on screen";
    return text(kUnsavedChanges, {basin});
}

std::string sheetSaved(std::string_view path, int sheetCount)
{
    if (sheetCount == 1)
        return text(kSheetSaved, {path});
    return text(kSheetsSaved, {std::to_string(sheetCount), path});
}

}  // namespace engine::msg
