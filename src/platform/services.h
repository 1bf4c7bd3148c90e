// SPDX-License-Identifier: MIT
// The services the windows get from the operating system and the network, as small interfaces
// so that tests run without a browser, a network or a waiting process.
#pragma once

#include <QString>

class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // Starts the programme NomeSW with the command-line text Parameter (tipo: hidden) and waits
    // until it ends or the time-out passes; the windows keep repainting but take no input.
    // A programme that cannot be started is not reported.
    virtual void Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo) = 0;
};

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Opens a link in the default web browser.
    virtual void openUrl(const QString &url) = 0;
};

class VersionService
{
public:
    virtual ~VersionService() = default;
    // True when the maker's service reports a configurator newer than this one.
    [[nodiscard]] virtual bool newerVersionAvailable() = 0;
};
