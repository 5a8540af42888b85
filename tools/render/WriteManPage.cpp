// vellumo-render-manpage DATE FILE: writes the manual page of
// vellumo-render; the build runs it, nothing installs it.
#include <QFile>
#include <cstdio>

#include "tools/render/ManPage.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: vellumo-render-manpage DATE FILE\n", stderr);
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[2]));
  const QByteArray page = RenderManPage(QStringLiteral(VELLUMO_VERSION), QString::fromLatin1(argv[1])).toUtf8();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(page) != page.size() || !file.flush()) {
    std::fprintf(stderr, "vellumo-render-manpage: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
