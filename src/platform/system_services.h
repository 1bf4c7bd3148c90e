// SPDX-License-Identifier: MIT
// The real services of the desktop the configurator runs on.
#pragma once

#include "platform/services.h"

class SystemLauncher final : public ProgramLauncher
{
public:
    explicit SystemLauncher(int timeoutMs = 150000) : m_timeoutMs(timeoutMs) {}
    void Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo) override;

private:
    int m_timeoutMs;
};

class DesktopUrlOpener final : public UrlOpener
{
public:
    void openUrl(const QString &url) override;
};

// Until the version service is queried, no newer version is ever reported.
class NoUpdateVersionService final : public VersionService
{
public:
    [[nodiscard]] bool newerVersionAvailable() override { return false; }
};
