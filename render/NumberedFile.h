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

// The lowest n ≥ First for which Folder/n.Extension is not an existing file.
// Only files count: a folder of that name does not take the number. A folder
// that does not exist has every number free.
int32_t LowestFreeNumber(const QString& folder, const QString& extension, int32_t first = 1);

// A numbered file as written: its path and its number.
struct TNumberedFile {
  QString Path;
  int32_t Number = 0;
};

// Writes a new numbered file: Write puts the whole content into a temporary
// file in Folder, which then takes the lowest free name from First on in one
// step, never in place of anything that exists: a file that appears under
// that name meanwhile, or anything else of that name (a folder), moves it on
// to the next number. A folder that cannot be written to fails with "Cannot
// create file %s" for the name the file would have had, a write that fails
// midway (a full disk) with "Stream write error"; an error of Write passes
// through. Either way no file is left. The data reaches the disk before the
// file takes its name, and the name after, so that a power cut after the
// save never leaves an empty or partial numbered file.
TNumberedFile WriteNumberedFile(const QString& folder, const QString& extension, int32_t first,
                                const std::function<void(QIODevice& device)>& write);
