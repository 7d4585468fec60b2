#pragma once
// The common part of the six setting pages: a modeless child dialog of the main window
// that moves its members to and from the settings block, and tells the main window
// after every edit with the data-check command.
#include "framework/Dialog.h"
#include "settings/SettingsBlock.h"

class CPage : public framework::Dialog {
public:
    explicit CPage(UINT templateId) : Dialog(templateId) {}

    // Sets the members from the block, then the controls from the members. The block
    // may be rewritten where a signed field held an out-of-range character.
    virtual void LoadFromBlock(settings::SettingsBlock& block) = 0;
    // Takes the members from the controls (false when a check refused a control; the
    // members keep their last good values), then writes the page's fields.
    virtual bool StoreToBlock(settings::SettingsBlock& block) = 0;

protected:
    // Sends the data-check command to the page itself; the ordinary routing of a
    // child dialog's commands takes it to the main window.
    void RaiseDataCheck();
};
