// Answers the dialogs and message boxes that the code under test opens on
// this thread, as a user would, and records what they showed. A thread-local
// WH_CBT hook sees each dialog when it is activated.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SeenDialog {
    enum Kind { kSaveDialog, kOverwritePrompt, kMessageBox } kind;
    HWND owner;
    std::wstring caption;
    std::wstring text;               // message text, or the proposed file name
    std::vector<std::wstring> types; // the save dialog's file type list
    HICON icon;                      // a message box's icon
    bool hasCancel;                  // a message box with more than OK
};

struct DialogScript {
    bool cancelSave = false;
    std::wstring fileName;           // typed into the save dialog's name field
    bool confirmOverwrite = true;
};

class DialogDriver {
public:
    explicit DialogDriver(const DialogScript &script);
    ~DialogDriver();
    const std::vector<SeenDialog> &Seen() const { return seen_; }
    // The message boxes only, in order.
    std::vector<SeenDialog> MessageBoxes() const;

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnSaveDialogTimer(HWND, UINT, UINT_PTR timer, DWORD);
    void OnActivate(HWND window);
    void AnswerSaveDialog(HWND window);

    DialogScript script_;
    HHOOK hook_;
    std::vector<HWND> handled_;
    std::vector<SeenDialog> seen_;
};

// A plain top-level window to own the dialogs.
HWND CreateOwnerWindow();
