#include "tools/preview/LayoutReport.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text as drawn: access-key ampersands removed.
std::string Drawn(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

struct Control {
    HWND window;
    int id;
    std::string kind;
    RECT rect; // in the dialog's client coordinates
};

class Reporter {
public:
    Reporter(HWND dialog, UINT templateId) : dialog(dialog), templateId(templateId) {
        RECT box = {0, 0, 4, 8};
        MapDialogRect(dialog, &box);
        unitX = box.right / 4.0;
        unitY = box.bottom / 8.0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            Control control = {child, GetDlgCtrlID(child), Kind(child), {}};
            GetWindowRect(child, &control.rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control.rect), 2);
            controls.push_back(control);
        }
    }

    int Run() {
        std::printf("template %u: dialog unit %.3f x %.3f px\n", templateId, unitX, unitY);
        RECT client;
        GetClientRect(dialog, &client);
        for (const Control& control : controls) {
            CheckText(control);
            RECT inside;
            IntersectRect(&inside, &control.rect, &client);
            if (!EqualRect(&inside, &control.rect) && control.kind != "combo") {
                Problem(control, "reaches outside the dialog");
            }
        }
        CheckGroups();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t k = i + 1; k < controls.size(); ++k)
                CheckOverlap(controls[i], controls[k]);
        }
        std::printf("%d problem(s)\n", problems);
        return problems;
    }

private:
    static std::string Kind(HWND window) {
        std::string name = ClassOf(window);
        LONG style = GetWindowLongA(window, GWL_STYLE);
        if (name == "Button") {
            switch (style & BS_TYPEMASK) {
            case BS_GROUPBOX:
                return "group";
            case BS_AUTORADIOBUTTON:
            case BS_RADIOBUTTON:
            case BS_AUTOCHECKBOX:
            case BS_CHECKBOX:
                return "check";
            default:
                return "button";
            }
        }
        if (name == "Static") return (style & SS_TYPEMASK) == SS_ICON ? "icon" : "static";
        if (name == "ComboBox") return "combo";
        return name;
    }

    void Problem(const Control& control, const char* what, const std::string& detail = "") {
        ++problems;
        std::printf("  %d %s \"%s\" at %.0f,%.0f %.0fx%.0f: %s%s\n", control.id,
                    control.kind.c_str(), TextOf(control.window).c_str(), control.rect.left / unitX,
                    control.rect.top / unitY, (control.rect.right - control.rect.left) / unitX,
                    (control.rect.bottom - control.rect.top) / unitY, what, detail.c_str());
    }

    // The size of `text` drawn in the control's font within `width` pixels.
    static SIZE Measure(HWND window, const std::string& text, int width, bool wrap) {
        HDC dc = GetDC(window);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
        RECT box = {0, 0, wrap ? width : 10000, 0};
        UINT flags = DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE);
        DrawTextA(dc, text.c_str(), -1, &box, flags);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        return SIZE{box.right - box.left, box.bottom - box.top};
    }

    void CheckText(const Control& control) {
        std::string text = Drawn(TextOf(control.window));
        LONG style = GetWindowLongA(control.window, GWL_STYLE);
        int width = control.rect.right - control.rect.left;
        int height = control.rect.bottom - control.rect.top;
        char detail[128];
        if (control.kind == "combo") {
            CheckCombo(control);
            return;
        }
        if (control.kind == "Edit") {
            CheckNumberEdit(control);
            return;
        }
        if (control.kind == "msctls_trackbar32" && verbose) {
            std::printf("    %d slider ticks at", control.id);
            int count = static_cast<int>(SendMessageA(control.window, TBM_GETNUMTICS, 0, 0));
            for (int i = 0; i < count - 2; ++i) {
                int x = static_cast<int>(SendMessageA(control.window, TBM_GETTICPOS, i, 0));
                std::printf(" %.1f", (control.rect.left + x) / unitX);
            }
            std::printf(" (inner ticks, units)\n");
            return;
        }
        if (text.empty() || control.kind == "icon") return;
        bool wrap;
        int room;
        if (control.kind == "group") {
            wrap = false;
            room = width - 2 * static_cast<int>(unitX * 4 + 0.5); // frame inset and gaps
        } else if (control.kind == "check") {
            wrap = (style & BS_MULTILINE) != 0;
            room = width - (GetSystemMetrics(SM_CXMENUCHECK) + 4);
        } else if (control.kind == "button") {
            wrap = (style & BS_MULTILINE) != 0;
            room = width - 4;
        } else if (control.kind == "static") {
            wrap = !(style & SS_LEFTNOWORDWRAP) && (style & SS_TYPEMASK) != SS_SIMPLE;
            room = width;
        } else {
            return;
        }
        SIZE single = Measure(control.window, text, room, false);
        SIZE drawn = Measure(control.window, text, room, wrap);
        if ((wrap ? drawn.cx : single.cx) > room) {
            std::snprintf(detail, sizeof detail, " (%.1f of %.1f units)",
                          (wrap ? drawn.cx : single.cx) / unitX, room / unitX);
            Problem(control, "text too wide", detail);
        } else if (drawn.cy > height && control.kind != "group") {
            std::snprintf(detail, sizeof detail, " (%.1f of %.1f units)", drawn.cy / unitY,
                          height / unitY);
            Problem(control, "text too tall", detail);
        } else if (wrap && drawn.cy > single.cy &&
                   !std::strchr(TextOf(control.window).c_str(), '\n')) {
            std::snprintf(detail, sizeof detail, " (%.1f units wide on one line, room %.1f)",
                          single.cx / unitX, room / unitX);
            Problem(control, "text wraps", detail);
        }
        if (verbose) {
            std::printf("    %d %s \"%s\": %.1f of %.1f units wide, %.1f of %.1f high\n",
                        control.id, control.kind.c_str(), text.c_str(),
                        (wrap ? drawn.cx : single.cx) / unitX, room / unitX, drawn.cy / unitY,
                        height / unitY);
        }
    }

    // A number edit must show three digits beside its up-down control.
    void CheckNumberEdit(const Control& control) {
        RECT format;
        SendMessageA(control.window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        SIZE digits = Measure(control.window, "888", 1000, false);
        int room = format.right - format.left;
        char detail[96];
        std::snprintf(detail, sizeof detail, " (%.1f of %.1f units; edit now %.1f wide)",
                      digits.cx / unitX, room / unitX,
                      (control.rect.right - control.rect.left) / unitX);
        if (digits.cx > room) Problem(control, "three digits do not fit", detail);
        if (verbose) std::printf("    %d edit:%s\n", control.id, detail);
    }

    void CheckCombo(const Control& control) {
        HWND combo = control.window;
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo, &info);
        int room = info.rcItem.right - info.rcItem.left;
        int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        char detail[160];
        for (int i = 0; i < count; ++i) {
            char item[256] = {};
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            SIZE size = Measure(combo, item, room, false);
            if (size.cx > room) {
                std::snprintf(detail, sizeof detail, " \"%s\" (%.1f of %.1f units)", item,
                              size.cx / unitX, room / unitX);
                Problem(control, "item too wide", detail);
            }
        }
        // Opens the list to see how much of it shows without scrolling.
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        RECT shown;
        GetClientRect(info.hwndList, &shown);
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
        int itemHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
        int listHeight = shown.bottom - shown.top;
        if (count > 0 && listHeight < count * itemHeight) {
            std::snprintf(detail, sizeof detail, " (%d items of %d px in %d px)", count, itemHeight,
                          listHeight);
            Problem(control, "list needs a scroll bar", detail);
        }
        if (verbose) {
            std::printf("    %d combo: %d items of %d px, list %d px, item room %.1f units\n",
                        control.id, count, itemHeight, listHeight, room / unitX);
        }
    }

    // Every radio pair is a group of its own, and every up-down control is bound to the
    // edit just before it.
    void CheckGroups() {
        auto style = [](const Control& control) {
            return GetWindowLongA(control.window, GWL_STYLE);
        };
        auto isRadio = [&](const Control& control) {
            return control.kind == "check" && (style(control) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        };
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const Control& control = controls[i];
            if (isRadio(control) && (style(control) & WS_GROUP)) {
                bool pair = i + 1 < controls.size() && isRadio(controls[i + 1]) &&
                            !(style(controls[i + 1]) & WS_GROUP);
                bool closed = i + 2 >= controls.size() || (style(controls[i + 2]) & WS_GROUP);
                if (!pair || !closed) Problem(control, "radio button is not one of a closed pair");
            }
            if (control.kind == "msctls_updown32") {
                HWND buddy =
                    reinterpret_cast<HWND>(SendMessageA(control.window, UDM_GETBUDDY, 0, 0));
                if (i == 0 || buddy != controls[i - 1].window || controls[i - 1].kind != "Edit") {
                    Problem(control, "up-down control is not bound to the edit before it");
                }
            }
        }
    }

    // Group boxes may contain controls; anything else must not touch another control.
    void CheckOverlap(const Control& a, const Control& b) {
        RECT common;
        if (!IntersectRect(&common, &a.rect, &b.rect)) return;
        if (a.kind == "group" || b.kind == "group") {
            const Control& other = a.kind == "group" ? b : a;
            if (EqualRect(&common, &other.rect) && other.kind != "group")
                return; // inside the frame
        }
        // An up-down control bound to an edit sits on the edit's right edge.
        if (a.kind == "msctls_updown32" || b.kind == "msctls_updown32") return;
        Problem(a, "overlaps ", std::to_string(b.id) + " \"" + TextOf(b.window) + "\"");
    }

public:
    bool verbose = false;

private:
    HWND dialog;
    UINT templateId;
    double unitX = 0, unitY = 0;
    std::vector<Control> controls;
    int problems = 0;
};

} // namespace

int ReportLayout(HWND dialog, UINT templateId, bool verbose) {
    Reporter reporter(dialog, templateId);
    reporter.verbose = verbose;
    return reporter.Run();
}
