#pragma once
#include "toolkit/window/Form.h"

// The control panel: a small stay-on-top tool window whose pages set the
// composition label's font, 3D effect, fill and text.
class TForm1 : public TForm {
 public:
  TForm1();

 protected:
  void FormShow() override;
  bool UserMayClose() const override { return false; }

 private:
  void FormCreate();
};

extern TForm1* Form1;
