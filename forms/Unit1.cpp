#include "forms/Unit1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1()
    : TForm(QStringLiteral("Vellumo v2.0 (Prof)"),
            Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  SetClientBounds(223, 304, 464, 178);
  FormCreate();
}

void TForm1::FormCreate() {}

void TForm1::FormShow() {}
