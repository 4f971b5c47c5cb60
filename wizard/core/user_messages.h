// The fixed error messages that the wizard shows the user, and the window that owns them.
#pragma once
#include "wizard/core/spooler.h"

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // The window that has the keyboard focus now (GetFocus), or null.
  virtual OwnerWindow FocusWindow() = 0;
  // A modal box with OK and the error icon; returns when the user has closed it.
  virtual void ShowError(OwnerWindow owner, const char* text, const char* caption) = 0;
};
