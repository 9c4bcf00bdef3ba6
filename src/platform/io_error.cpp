#include "platform/io_error.h"

#include <cstdio>

namespace natalo {

std::string IoErrorMessage(int code) {
    switch (code) {
        case kIoFileNotFound:
            return "Datei nicht gefunden";
        case kIoPathNotFound:
            return "Ungültiger Dateiname";
        case kIoTooManyOpenFiles:
            return "Zu viele geöffnete Dateien";
        case kIoAccessDenied:
            return "Dateizugriff verweigert";
        case kIoReadPastEnd:
            return "Versuch hinter dem Dateiende zu lesen";
        case kIoDiskFull:
            return "Zu wenig Speicherplatz";
        default: {
            char text[32];
            std::snprintf(text, sizeof text, "E/A-Fehler %d", code);
            return text;
        }
    }
}

}  // namespace natalo
