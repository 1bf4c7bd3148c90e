// SPDX-License-Identifier: MIT
// Test doubles for the services the windows use: they record and answer as told.
#pragma once

#include "app/prompter.h"
#include "platform/services.h"

#include <QStringList>

class RecordingPrompter final : public Prompter
{
public:
    QStringList errors;
    QStringList warnings;
    QStringList questions;
    bool answerYes = true;
    QString fileAnswer;
    QString folderAnswer;

    void showError(const QString &text) override { errors.append(text); }
    void showWarning(const QString &text) override { warnings.append(text); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answerYes;
    }
    QString pickSaveFile(const QString &, const QString &, const QString &) override { return fileAnswer; }
    QString pickFolder(const QString &) override { return folderAnswer; }
};

class RecordingLauncher final : public ProgramLauncher
{
public:
    QStringList started;
    void Start_Program(const QString &NomeSW, const QString &Parameter, bool) override
    {
        started.append(NomeSW + u' ' + Parameter);
    }
};

class RecordingUrlOpener final : public UrlOpener
{
public:
    QStringList opened;
    void openUrl(const QString &url) override { opened.append(url); }
};

class FixedVersionService final : public VersionService
{
public:
    bool newer = false;
    int asked = 0;
    bool newerVersionAvailable() override
    {
        ++asked;
        return newer;
    }
};
