#pragma once

#include "platform/processes.h"

namespace tandrel {

class Win32Processes final : public Processes {
public:
    std::unique_ptr<ChildProcess> startHidden(const std::wstring& commandLine,
                                              const std::wstring& currentDirectory) override;
    void sleep(unsigned milliseconds) override;
};

} // namespace tandrel
