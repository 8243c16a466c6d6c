// Resource and control identifiers shared by the code and the resource script.
// Plain #defines only: windres reads this file too.
#ifndef MQ_RESOURCE_H
#define MQ_RESOURCE_H

#define IDI_APP                 103
#define IDD_MESSAGE             112
#define IDD_WIZARD              114
#define IDD_CHOOSE_FOLDER       168

/* Wizard dialog 114 */
#define IDC_BACK                3
#define IDC_APP_ICON            102
#define IDC_SEPARATOR           108
#define IDC_PRODUCT_NAME        166
#define IDC_INSTALLER_NAME      169
#define IDC_WEB_ADDRESS         172
#define IDC_NEXT                1001
#define IDC_INSTALL_PATH        1002
#define IDC_BROWSE              1003
#define IDC_OPT_DESKTOP         1004
#define IDC_OPT_AUTOSTART       1005
#define IDC_PATH_LABEL          1006
#define IDC_PRODUCT_LABEL       1009
#define IDC_ENGLISH_CHECK       1010
#define IDC_EDITION_LABEL       1011
#define IDC_INSTALLER_LABEL     1012
#define IDC_LICENCE_EN          1014
#define IDC_LANGUAGE_LABEL      1017
#define IDC_LANGUAGE_LIST       1018
#define IDC_LICENCE_ZH          1019
#define IDC_PANEL_PLACEHOLDER   1020
#define IDC_WAIT_LABEL          1021
#define IDC_PROGRESS            1026

/* Folder chooser 168 (besides the common dialog's standard identifiers) */
#define IDC_DIRS_LABEL          1008
#define IDC_DRIVES_LABEL        1010

/* Message box 112 */
#define IDC_MSG_TEXT            1013
#define IDC_MSG_ENGLISH         1028

/* Payload entries: resources of type "TEXT", one zlib stream each */
#define PAYLOAD_APP_EXE         109
#define PAYLOAD_FONT            110
#define PAYLOAD_WELCOME_JPG     119
#define PAYLOAD_UI_INI          120
#define PAYLOAD_LICENCE_ZH      124
#define PAYLOAD_LICENCE_EN      161
#define PAYLOAD_GUIDE_ZH        177
#define PAYLOAD_UNINSTALL_EXE   192
#define PAYLOAD_GUIDE_EN        196
#define PAYLOAD_BARMENU_JPG     197
#define PAYLOAD_CTRLMENU_PNG    198
#define PAYLOAD_DESKTOP_JPG     199
#define PAYLOAD_GBK2B5          200
#define PAYLOAD_TASKICON_JPG    201
#define PAYLOAD_TOOLBAR_JPG     203
#define PAYLOAD_UI_INI_DE       228
#define PAYLOAD_EXTRA_HTML      235
#define PAYLOAD_SAPI_MSI        1029

#endif
