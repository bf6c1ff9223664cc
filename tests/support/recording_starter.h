// Records what the program would start instead of starting it.
#pragma once

#include "app/ui/program_starter.h"

#include <string>
#include <vector>

namespace taverel::app::testing {

class RecordingStarter : public ProgramStarter {
public:
    struct StartedProgram {
        std::wstring application;
        std::wstring command_line;
    };
    void Start(const std::wstring& application, const std::wstring& command_line) override {
        started.push_back({application, command_line});
    }
    std::vector<StartedProgram> started;
};

}  // namespace taverel::app::testing
