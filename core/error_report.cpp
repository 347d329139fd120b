#include "core/error_report.h"

#include <iostream>

std::string reportLine(std::string_view message)
{
    return "Quentavox: run-time error: " + std::string(message);
}

void reportToStderr(std::string_view message)
{
    std::cerr << reportLine(message) << std::endl;
}
