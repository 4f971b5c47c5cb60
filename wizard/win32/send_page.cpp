// Page 4 of the tuning sheet: sends the alignment test job and shows its progress.
#include <windows.h>
#include <commctrl.h>

#include "common/win32/scoped.h"
#include "wizard/core/progress_bar.h"
#include "wizard/core/alignment_job.h"
#include "wizard/resources/resource_ids.h"
#include "wizard/win32/driver_access.h"
#include "wizard/win32/wizard_pages.h"
#include "wizard/win32/wizard_state.h"

namespace {

constexpr UINT_PTR kSendTimer = 9;
constexpr UINT kSendDelayMs = 100;

// True while a job runs: its progress display lets messages through, a timer among them.
bool jobRunning = false;

// Fills the left `percent` of the control in pure blue, then lets one waiting message through.
void ShowProgress(HWND window, int controlId, int percent) {
  HWND control = GetDlgItem(window, controlId);
  RECT rect{};
  GetClientRect(control, &rect);
  rect.right = ProgressRight(rect.right, percent);
  {
    ScopedWindowDc dc(control);
    ScopedBrush brush(CreateSolidBrush(RGB(0, 0, 255)));
    ScopedSelect select(dc.get(), brush.get());
    FillRect(dc.get(), &rect, brush.get());
  }
  MSG message;
  if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class PageProgress : public ProgressDisplay {
 public:
  PageProgress(HWND page, int controlId) : page_(page), controlId_(controlId) {}
  void ShowProgress(int percent) override { ::ShowProgress(page_, controlId_, percent); }

 private:
  HWND page_;
  int controlId_;
};

void PrintTestJob(HWND page, uint8_t* block, int progressControlId) {
  PageProgress progress(page, progressControlId);
  PrintTestJob(ThePrintDevice(), progress, block, g_wizard.tuning, g_wizard.sampleOrigin, g_wizard.deviceName);
}

// The page while a job is sent: the progress bar in place of the instructions.
void ShowSending(HWND page) {
  SetDlgItemTextA(page, IDC_SENDING_TEXT, "Sending File ...");
  ShowWindow(GetDlgItem(page, IDC_PICK_FILE_TEXT), SW_HIDE);
  ShowWindow(GetDlgItem(page, IDC_START_TEXT), SW_HIDE);
  ShowWindow(GetDlgItem(page, IDC_PROGRESS), SW_SHOW);
}

void ShowSent(HWND page) {
  SetDlgItemTextA(page, IDC_SENDING_TEXT, "File Sent.");
  ShowWindow(GetDlgItem(page, IDC_PICK_FILE_TEXT), SW_SHOW);
  ShowWindow(GetDlgItem(page, IDC_START_TEXT), SW_SHOW);
  ShowWindow(GetDlgItem(page, IDC_PROGRESS), SW_HIDE);
}

void Send(HWND page) {
  KillTimer(page, kSendTimer);
  if (jobRunning) {
    // A nested job would start a second document on the device in the middle of the first:
    // send this one after the running job instead.
    SetTimer(page, kSendTimer, kSendDelayMs, nullptr);
    return;
  }
  jobRunning = true;
  // A job deferred behind another starts after that one has shown "File Sent.". The page is
  // painted before the job: a pending paint could be the one message that a progress step
  // lets through, and would wipe out that step's fill.
  ShowSending(page);
  UpdateWindow(page);
  HWND cancel = GetDlgItem(GetParent(page), IDCANCEL);
  EnableWindow(cancel, FALSE);
  PrintTestJob(page, g_wizard.settings, IDC_PROGRESS);
  jobRunning = false;
  EnableWindow(cancel, TRUE);
  ShowSent(page);
}

}  // namespace

INT_PTR CALLBACK SendPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_TIMER:
      if (wParam == kSendTimer) Send(page);
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      const INT_PTR answer = AnswerNotify(page, header, PSWIZB_BACK | PSWIZB_NEXT, PageEnd::kNext);
      if (header->code == static_cast<UINT>(PSN_SETACTIVE)) {
        ShowSending(page);
        SetTimer(page, kSendTimer, kSendDelayMs, nullptr);
      }
      return answer;
    }
    default: return FALSE;
  }
}
