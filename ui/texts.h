// Every Chinese caption and message of the setup program, as GBK (or, for the
// Traditional shortcut names, Big5) bytes, in one place so one test can check them all.
#pragma once

// Captions of the owner-drawn buttons and labels.
extern const char kCaptionOk[];             // "确认 OK"
extern const char kCaptionCancel[];         // "取消 Cancel"
extern const char kCaptionBack[];           // "退一步 Back"
extern const char kCaptionYes[];            // "是 Yes"
extern const char kCaptionNo[];             // "否 No"
extern const char kCaptionNext[];           // "下一步 Next"
extern const char kCaptionAgreeInstall[];   // "同意/安装 Agree/Install"
extern const char kCaptionBrowse[];         // "改变 Browse ...."
extern const char kCaptionInstallPath[];    // "安装路径： (Install Path)"
extern const char kCaptionDirectories[];    // "路径 (Directories):"
extern const char kCaptionDrives[];         // "磁盘 (Drives):"
extern const char kCaptionEdition[];        // "中文版"
extern const char kCaptionInstaller[];      // "安装程序"
extern const char kCaptionLanguage[];       // "User Interface Language 用户界面语言"
extern const char kCaptionDesktopIcon[];    // "建立桌面图标？  (Place an icon on Desktop)"
extern const char kCaptionAutoStart[];      // "开机时自动启动？(Auto-start on boot)"

// The product's name: side-panel label (GBK, 16 bytes) and the shortcut names.
extern const char productLabel[];           // "米瑞奎斯语音朗读" GBK
extern const char kProductNameGbk[];        // "米瑞奎斯语音朗读" GBK
extern const char kProductNameBig5[];       // "米瑞奎斯語音朗讀" Big5
extern const char kUninstallNameGbk[];      // product name + "卸载" GBK
extern const char kUninstallNameBig5[];     // product name + "卸載" Big5

// Messages (Chinese halves; the English halves are plain ASCII at the call sites).
extern const char kMsgNoMemory[];           // "内存不够。安装无法继续。"
extern const char kMsgCannotCreateFolder[]; // "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。"
extern const char kMsgGroupFolderFormat[];  // "无法建目录(%s)!"
extern const char kMsgStartMenuFailed[];    // "无法在 Start 菜单中为本程序建立一个条目。很抱歉，只好请您以后自已建立了。"
extern const char kMsgInstallFailed[];      // "安装失败！请检查一下系统后，再重新安装。谢谢！"
extern const char kMsgInstallSucceeded[];   // "祝贺您：安装顺利完成！"
extern const char kMsgInstallSpeech[];      // "下面安装微软的语音模块SAPI5.1."

// English halves of the messages.
extern const char kEnNoMemory[];            // "Memory not enough!"
extern const char kEnCannotCreateFolder[];  // "Cannot create folder!"
extern const char kEnCheckFolderFormat[];   // "%s Please check folder path."
extern const char kEnStartMenuFailed[];     // "Failed to create an entry on Start Menu."
extern const char kEnInstallFailed[];
extern const char kEnInstallSucceeded[];
extern const char kEnInstallSpeech[];
