#pragma once

#include "core/Result.h"

#include <QString>

namespace quillora {

class AppFolder;

inline constexpr char kUploadSettingsFile[] = "aobj_upload_server.txt";

// How the conversation with the upload server is protected. Try uses TLS whenever the
// server offers it; Required refuses a server that does not.
enum class UploadTls { Try, Required, Off };

// Where templates are sent. Kept in a file of the application folder, so a school or the
// maker can change the server and its account without a new program, and the password is
// never built into the program.
struct UploadSettings {
    QString host;
    int port = 21;
    QString user;
    QString password;
    QString folder = QStringLiteral("/");
    UploadTls tls = UploadTls::Try;
    QString caFile; // a certificate to trust besides the system's, as a full path
    QString website;
};

// Reads "aobj_upload_server.txt": UTF-8 lines "key = value"; blank lines and lines starting
// with "#" are skipped. An unknown key, a bad port or tls value is an error naming the line;
// so is a file without a host. A bare ca_file name lies in the application folder.
Result<UploadSettings> readUploadSettings(const AppFolder &folder);

// One message telling the teacher which file to set up before templates can be sent.
QString uploadSettingsMissingMessage(const AppFolder &folder, const FileError &error);

} // namespace quillora
