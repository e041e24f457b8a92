#include "inventory/selected_apps.h"

#include "inventory/text_case.h"

namespace tandrel {

std::wstring buildSelectedApps() {
    std::wstring list =
        L"#Microsoft.WindowsAlarms#Microsoft.ZuneVideo#Microsoft.Windows.Photos#Microsoft.ZuneMusic#";
    list += L"Microsoft.WindowsCamera#Microsoft.WindowsMaps#Microsoft.People#microsoft."
            L"windowscommunicationsapps#";
    list += L"Microsoft.Messaging#Microsoft.Office.OneNote#Microsoft.WindowsCalculator#"
            L"Microsoft.WindowsSoundRecorder#";
    list += L"Microsoft.MicrosoftStickyNotes#Microsoft.WindowsStore#Microsoft.BingWeather#Microsoft.XboxApp#";
    list += L"Microsoft.Microsoft3DViewer#Microsoft.XboxSpeechToTextOverlay#Microsoft.MSPaint#";
    return list;
}

bool isSelectedApp(const std::wstring& selectedApps, const std::wstring& packageName) {
    return findIgnoringCase(selectedApps, L"#" + packageName + L"#") != std::wstring::npos;
}

} // namespace tandrel
