#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TApplication;
class TProgramWindows;

// The confined world the program's windows are fuzzed in: a temporary
// folder with pictures of every kind the browser lists, a subfolder, two
// link loops sub/loop -> .. and sub/back -> .., an unreadable file and a
// corrupt one. The
// process's current folder lies inside it, so that every save lands there.
class TMonkeyWorld {
 public:
  TMonkeyWorld();
  ~TMonkeyWorld();
  TMonkeyWorld(const TMonkeyWorld&) = delete;
  TMonkeyWorld& operator=(const TMonkeyWorld&) = delete;

  const QString& Root() const { return root_; }
  // The files the world was made with, relative to Root.
  const QStringList& Made() const { return made_; }
  // The program's windows as start-up makes them, the folder tree's only
  // volume being Root and no home folder shown.
  std::unique_ptr<TProgramWindows> MakeWindows(TApplication& application) const;

 private:
  void Write(const QString& name, const QByteArray& bytes);

  QTemporaryDir dir_;
  QString root_;
  QStringList made_;
  const QString savedCurrent_;
};
