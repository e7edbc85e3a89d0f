// Drives cardsetup on the X screen it is given (scripts/xvfb-test.sh makes a fresh
// one) through one scenario. usage: realwindow_check SCENARIO CARDSETUP PHOTOGRAPH
#include "Checks.h"

#include <exception>
#include <iostream>
#include <string>
#include <string_view>

using namespace realwindow;

namespace {

struct TScenario
{
    std::string_view Name;
    void (*Run)(const TCheckInputs& Inputs);
};

constexpr TScenario Scenarios[] = {
    {"photograph", CheckPhotograph},
    {"circles", CheckCircles},
    {"hover", CheckHover},
    {"help", CheckHelp},
};

int Usage()
{
    std::cerr << "usage: realwindow_check SCENARIO CARDSETUP PHOTOGRAPH; SCENARIO is one of";
    for (const TScenario& Scenario : Scenarios)
        std::cerr << " " << Scenario.Name;
    std::cerr << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return Usage();
    for (const TScenario& Scenario : Scenarios) {
        if (Scenario.Name != argv[1])
            continue;
        try {
            Scenario.Run({argv[2], argv[3]});
        } catch (const std::exception& E) {
            std::cerr << "realwindow " << Scenario.Name << ": " << E.what() << "\n";
            return 1;
        }
        std::cout << "realwindow " << Scenario.Name << ": passed\n";
        return 0;
    }
    return Usage();
}
