#include "platform/win32/resource_templates.h"

namespace win32 {

namespace {

void putDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void alignToDword(std::vector<WORD>& out) {
    if (out.size() % 2 != 0) out.push_back(0);
}

}  // namespace

void putTemplateText(std::vector<WORD>& out, const std::string& text) {
    for (wchar_t c : wide(text)) out.push_back(static_cast<WORD>(c));
    out.push_back(0);
}

std::vector<WORD> buildDialogTemplate(const plat::DialogTemplate& t, bool centred) {
    std::vector<WORD> out;
    DWORD style = t.style;
    if (!t.fontName.empty()) style |= DS_SETFONT;
    if (centred) style |= DS_CENTER;
    putDword(out, style);
    putDword(out, 0);  // extended style
    out.push_back(static_cast<WORD>(t.items.size()));
    for (int v : {t.x, t.y, t.cx, t.cy}) out.push_back(static_cast<WORD>(static_cast<short>(v)));
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    putTemplateText(out, t.caption);
    if (!t.fontName.empty()) {
        out.push_back(static_cast<WORD>(t.pointSize));
        putTemplateText(out, t.fontName);
    }
    for (const plat::DialogItem& item : t.items) {
        alignToDword(out);
        putDword(out, item.style | WS_CHILD | WS_VISIBLE);
        putDword(out, 0);
        for (int v : {item.x, item.y, item.cx, item.cy}) out.push_back(static_cast<WORD>(static_cast<short>(v)));
        out.push_back(static_cast<WORD>(item.id));
        putTemplateText(out, item.className);
        putTemplateText(out, item.text);
        out.push_back(0);  // no creation data
    }
    return out;
}

}  // namespace win32
