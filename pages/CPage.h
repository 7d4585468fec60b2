#pragma once
// The common part of the six setting pages: a modeless child dialog of the main window
// that moves its members to and from the settings block, and tells the main window
// after every edit with the data-check command.
//
// A page's members exist from the start; its window is made only when the main window
// first shows it, and then takes the members. Until then the members are the page's
// whole state, and after that they stay current: a control is read again only when it
// was edited since it was last taken.
#include "framework/Dialog.h"
#include "settings/SettingsBlock.h"

class CPage : public framework::Dialog {
public:
    explicit CPage(UINT templateId) : Dialog(templateId) {}

    // Sets the members from the block, then the controls (where the window exists) from
    // the members. The block may be rewritten where a signed field held an out-of-range
    // character.
    virtual void LoadFromBlock(settings::SettingsBlock& block) = 0;
    // Takes the members from the controls edited since they were last taken, or from all
    // of them when the members would be refused (false when a check refused a control;
    // the members keep their last good values), then writes the page's fields. Without
    // a window the members are checked as the controls would be, silently.
    virtual bool StoreToBlock(settings::SettingsBlock& block) = 0;
    // True when the members hold a value the controls' checks would refuse (a value the
    // block gave that no control takes): the next store then reads the controls and shows
    // the refusal's message, so the main window shows the page first.
    virtual bool ValuesRefused() const = 0;

protected:
    // Marks control `controlId` edited (0 for none: the members changed themselves) and
    // sends the data-check command to the page itself; the ordinary routing of a child
    // dialog's commands takes it to the main window.
    void RaiseDataCheck(int controlId);
    virtual void MarkEdited(int controlId) = 0;
};
