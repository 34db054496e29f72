#include "engine/messages.h"

#include "engine/number_text.h"

namespace engine::msg {

std::string heightTooLow(std::string_view hText)
{
    return "H has to be at least " + std::string(hText) + "  foot above basin's depth.";
}

std::string rowBelowMinimum(float minimumHeight)
{
    return "Minimum value = 1 foot above basin's depth. Minimum value = " + generalText32(minimumHeight) + ".";
}

std::string lengthConversionError(std::string_view description)
{
    return "Error: " + std::string(description) + ". Please, reenter your numbers.";
}

std::string sheetSaved(std::string_view path, int sheetCount)
{
    if (sheetCount == 1)
        return "The design sheet has been saved as " + std::string(path) + ".";
    return "The " + std::to_string(sheetCount) + " design sheets have been saved as " + std::string(path) + ".";
}

std::string sheetNotSaved(std::string_view path, std::string_view reason)
{
    return "The design sheet could not be saved as " + std::string(path) + ": " + std::string(reason) + ".";
}

std::string tableExported(std::string_view table, std::string_view path)
{
    return "The table " + std::string(table) + " has been exported to " + std::string(path) + ".";
}

std::string tableNotExported(std::string_view path, std::string_view reason)
{
    return "The table could not be exported to " + std::string(path) + ": " + std::string(reason) + ".";
}

}  // namespace engine::msg
