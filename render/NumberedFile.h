#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/Exceptions.h"

class QFile;
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

// The system calls that give a finished file its name, as the file system
// answers them (a test can put calls in their place that refuse, as some
// network file systems do): each returns 0 or -1 with errno set.
struct TNamingCalls {
  // open(Folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666).
  int (*OpenUnnamed)(const char* folder);
  // renameat2(From, To, RENAME_NOREPLACE).
  int (*RenameNoReplace)(const char* from, const char* to);
  // link(From, To).
  int (*Link)(const char* from, const char* to);
};
const TNamingCalls& SystemNamingCalls();

// A new numbered file on its way. Its content goes into a file of Folder
// that has no name yet (where the file system cannot make one, a hidden
// temporary file), which Commit then gives the lowest free name from First
// on in one step, never in place of anything that exists: a file that
// appears under that name meanwhile, or anything else of that name (a
// folder), moves it on to the next number. Destroyed uncommitted, whatever
// the reason, it leaves nothing behind; a file without a name leaves
// nothing even when the process is killed.
// Where the file system refuses both the no-replace rename and hard links
// (sshfs and other FUSE mounts), the temporary file is copied to a numbered
// file created only if it does not exist, synced, and removed. That path
// cannot promise what the rename does: a power cut during the copy can
// leave a partial numbered file.
// Any failure to make, write or name the file ("a full disk") fails with
// "Cannot create file %s" for the name the file would have had.
class TNumberedFileWriter {
 public:
  TNumberedFileWriter(QString folder, QString extension, int32_t first = 1,
                      const TNamingCalls& calls = SystemNamingCalls());
  ~TNumberedFileWriter();
  TNumberedFileWriter(const TNumberedFileWriter&) = delete;
  TNumberedFileWriter& operator=(const TNumberedFileWriter&) = delete;

  // Write puts the content into the file; other errors of Write pass
  // through as they are.
  void Write(const std::function<void(QIODevice& device)>& write);
  // Sends the written content to the disk; Commit does it when it has not
  // been done. Writers that take their names in turn do this first, apart.
  void Complete();
  // Names the file (once only), searching from the larger of First and
  // From. The data reaches the disk before the file takes its name, and the
  // name after, so that a power cut after the save never leaves an empty or
  // partial numbered file.
  TNumberedFile Commit(int32_t from = 0);

 private:
  // "Cannot create file %s" for the lowest name free now.
  EFCreateError CreateError() const;

  const TNamingCalls& calls_;
  QString folder_;
  QString extension_;
  int32_t first_;
  bool unnamed_ = false;  // a file without a name, else a hidden temporary one
  bool complete_ = false;
  std::unique_ptr<QFile> file_;
};

// Writes a new numbered file in one go: Write puts the whole content into a
// TNumberedFileWriter, which is then committed. An error of Write passes
// through, and no file is left.
TNumberedFile WriteNumberedFile(const QString& folder, const QString& extension, int32_t first,
                                const std::function<void(QIODevice& device)>& write);
