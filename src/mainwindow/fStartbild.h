#pragma once

#include "platform/ui/Form.h"

namespace qvr {

class Program;

// The splash window shown while the main window starts and a device opens.
class fStartbild : public ui::Form {
 public:
  explicit fStartbild(Program& program);

 protected:
  // Centres itself on the screen without showing itself.
  void Form_Load() override;

 private:
  Program& program_;
};

}  // namespace qvr
