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

}  // namespace engine::msg
