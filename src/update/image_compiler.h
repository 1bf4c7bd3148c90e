// SPDX-License-Identifier: MIT
// Compiles a project's files into the converter's two configuration images and writes them
// into the project's bin folder as bank1.bin and bank2.bin.
#pragma once

#include "app/project.h"
#include "common/file_io.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The two images of one compile run.
struct CompiledImages {
    QByteArray bank1; // always 2048 bytes
    QByteArray bank2; // 0xE01C bytes plus 20 per enabled IO-Link variable
};

struct CompileResult {
    CompiledImages images; // both empty when the compile failed
    QString error;         // why it failed, naming the file and what is wrong; empty on success

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// The contents of the five project files; std::nullopt for a file the project does not have.
struct ProjectSources {
    std::optional<QByteArray> parGen = std::nullopt;
    std::optional<QByteArray> ioLinkSlave = std::nullopt;
    std::optional<QByteArray> sdoServer = std::nullopt;
    std::optional<QByteArray> sdoClient = std::nullopt;
    std::optional<QByteArray> pdo = std::nullopt;
};

// Compiles both images from the project's files. Missing files and missing ParGen.xml
// elements give the device's defaults. A file that cannot be read or is not well-formed XML,
// a CANopen list that is missing, a CANopen value that is missing or not a number, and a
// CANopen list with more rows than its table in bank 2 has entries (512, 512, 256, 256, 128,
// 128; more than the dialogs hold) end the compile with an error and no images.
[[nodiscard]] CompileResult Compile_Images(const ProjectFiles &files);
// As above, from the files' contents; error texts name the files by their usual names.
[[nodiscard]] CompileResult Compile_Images(const ProjectSources &sources);

// Writes bank1.bin and bank2.bin into Project_Dir's bin folder, creating the folder when
// missing. Both files are replaced together: when either cannot be written, neither is
// replaced (the first is put back should the second fail at the very end). The error text
// says which file failed and why.
[[nodiscard]] FileResult Write_Images(const QString &projectDir, const CompiledImages &images);

// The file work of Write_Images for two given paths. afterStaging, when given, runs once both
// images sit complete in their temporary files, right before they are put in place.
[[nodiscard]] FileResult writeImageFiles(const QString &bank1Path, const QString &bank2Path,
                                         const CompiledImages &images,
                                         const std::function<void()> &afterStaging = {});
