#pragma once

#include <QImage>
#include <QString>

// The school's logo is read only from a regular file of at most this size:
// a FIFO, a device or a huge file would hold the program up.
constexpr qint64 MaxLogoBytes = 10 * 1024 * 1024;

// True when the path names a logo that may be read: set (not empty, not
// "N/A"), a regular file, and not larger than MaxLogoBytes.
bool IsLogoFile(const QString& path);

// The logo picture; none for anything IsLogoFile refuses, or a file that is
// not a picture.
QImage LoadLogo(const QString& path);
