// SPDX-License-Identifier: MIT
// Fixed texts of this converter model and of its maker's web site.
#pragma once

#include <QString>

namespace Build {
inline const QString SW_Code = QStringLiteral("SW48213");
inline const QString SW_Desc = QStringLiteral("IO-Link Slave / CANopen - Converter");
inline const QString SW_Version = QStringLiteral("1.003");
// Ends with one blank, as the caption has always shown it.
inline const QString Window_Title = QStringLiteral("Talvex - Configurator SW48213 - IO-Link Slave / CANopen ");

inline const QString MakerWebAddress = QStringLiteral("www.talvex.com");
inline const QString HomePageUrl = QStringLiteral("http://www.talvex.com/HOME/default.asp?frompg=SW48213");
inline const QString DownloadPageUrl = QStringLiteral("http://www.talvex.com/Home/download/download.asp#HD48213");
} // namespace Build
