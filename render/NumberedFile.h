#pragma once
#include <QString>
#include <cstdint>
#include <functional>

class QIODevice;

// Saved compositions are named 1.bmp, 2.bmp, … (or .jpg) in a folder, each
// save taking the lowest number that is free for its extension. The window's
// export and the command-line tool both name their files through here.

// Folder + "/" + Number + Extension; Extension carries its dot (".bmp"). A
// folder that already ends in "/" (the root) gets no second one.
QString NumberedFileName(const QString& folder, int32_t number, const QString& extension);

// The lowest n ≥ 1 for which Folder/n.Extension is not an existing file.
// Only files count: a folder of that name does not take the number. A folder
// that does not exist has every number free.
int32_t LowestFreeNumber(const QString& folder, const QString& extension);

// Writes a new numbered file: Write puts the whole content into a temporary
// file in Folder, which then takes the lowest free name in one step, never in
// place of an existing file: a file that appears under that name meanwhile
// moves it on to the next free number. Returns the name used. A folder that
// cannot be written to fails with "Cannot create file %s" for the name the
// file would have had, a write that fails midway (a full disk) with "Stream
// write error"; an error of Write passes through. Either way no file is left.
QString WriteNumberedFile(const QString& folder, const QString& extension,
                          const std::function<void(QIODevice& device)>& write);
