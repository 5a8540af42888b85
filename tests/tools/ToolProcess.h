#pragma once
// Runs a built program as a user would: in a folder of its own, with its
// status and both outputs collected.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <sys/resource.h>

// Each test file gets its own copy, so that no helper here can clash with
// another file's helper of the same name in the one test program.
namespace {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
};

// AddressSpace, when given, limits the program's address space in bytes.
TRun Execute(const QString& program, const QStringList& arguments, const QString& folder,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
             rlim_t addressSpace = 0) {
  QProcess process;
  process.setWorkingDirectory(folder);
  QProcessEnvironment childEnvironment = environment;
  // Under the limit fontconfig may fail to map its caches, scan the fonts
  // again and, short of memory, find none of them: the cache it writes
  // then must not be the system's, which every later program would read.
  QTemporaryDir fontCache;
  if (addressSpace != 0) {
    QFile config(fontCache.filePath(QStringLiteral("fonts.conf")));
    if (config.open(QIODevice::WriteOnly))
      config.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" + QFile::encodeName(fontCache.path()) +
                   "</cachedir><include>/etc/fonts/fonts.conf</include></fontconfig>\n");
    childEnvironment.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
  }
  process.setProcessEnvironment(childEnvironment);
  if (addressSpace != 0) {
    process.setChildProcessModifier([addressSpace] {
      const rlimit limit{addressSpace, addressSpace};
      setrlimit(RLIMIT_AS, &limit);
    });
  }
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

inline QString RenderToolPath() { return QStringLiteral(VELLUMO_BINARY_DIR "/tools/render/vellumo-render"); }

}  // namespace
