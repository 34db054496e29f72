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
    return basin + " has changes that are not stored. Store them first?";
}

std::string alreadyOpen(std::string_view folder)
{
    return "Tellum is already working on the project database in " + std::string(folder) +
           ". Its window is still open: use that window, or close it and start Tellum again.";
}

std::string backupFailed(std::string_view reason)
{
    return "Today's backup copy of the project database could not be made: " + std::string(reason) +
           ". Your changes are saved in the database as usual; Tellum tries the backup again when it is next "
           "started.";
}

}  // namespace engine::msg
