#pragma once

// The numbers of the language texts the code shows (LangText(table, n)), by the part of the
// program that shows them. docs/language-texts.md lists every text with its English wording.
namespace vorbix::lang {

// --- main window: menus, pages, status bar, busy windows ---
inline constexpr int kMenuFile = 0;          // the five menus are 0..4 in menu order
inline constexpr int kMenuCommunication = 2; // also the caption of the transfer progress window
inline constexpr int kMenuNew = 5;
inline constexpr int kMenuOpen = 6;
inline constexpr int kMenuSaveAll = 7;
inline constexpr int kMenuSaveAs = 8;
inline constexpr int kMenuImportComments = 9;
inline constexpr int kMenuPrint = 10;
inline constexpr int kMenuClose = 11;
inline constexpr int kMenuAdd = 12;
inline constexpr int kMenuEdit = 13;
inline constexpr int kMenuDelete = 14;
inline constexpr int kMenuOpenBackup = 15;
inline constexpr int kMenuCut = 16;
inline constexpr int kMenuCopy = 17;
inline constexpr int kMenuPaste = 18;
inline constexpr int kMenuCommSetup = 19;
inline constexpr int kMenuAppSetup = 20;
inline constexpr int kMenuChangePassword = 21;
inline constexpr int kMenuUpload = 22;
inline constexpr int kMenuDownload = 23;
inline constexpr int kMenuStartOnline = 24;
inline constexpr int kMenuStopOnline = 25;
inline constexpr int kMenuAbout = 26;
inline constexpr int kMenuExit = 30;
inline constexpr int kMenuLogIn = 33;
inline constexpr int kMenuLogOut = 34;
inline constexpr int kMenuOpenMonitoring = 70;
inline constexpr int kMenuSaveMonitoringAs = 71;
inline constexpr int kMenuExport = 72;
inline constexpr int kMenuFind = 140;
inline constexpr int kMenuFindNext = 141;
inline constexpr int kMenuMonitor = 230;

inline constexpr int kPageMemory = 158;
inline constexpr int kPageFile = 159;
inline constexpr int kPageHistory = 215;
inline constexpr int kPageBattery = 200;
inline constexpr int kPageMonitoring = 231; // also added to the save question of monitor setups

inline constexpr int kStatusSaved = 88;
inline constexpr int kBusyCommunicating = 44;
inline constexpr int kBusyWorking = 48;

inline constexpr int kOnlineLastTransmitter = 35;
inline constexpr int kOnlineLastButton = 29; // the button column's title
inline constexpr int kOnlineLastMemorySlot = 36;
inline constexpr int kOnlineAdd = 38;

inline constexpr int kAboutCaption = 190;
inline constexpr int kAboutDescription = 191;
inline constexpr int kAboutVersion = 192;
inline constexpr int kAboutSupportedReceivers = 193;
inline constexpr int kAboutClose = 194;

// --- questions before unsaved data are lost ---
inline constexpr int kSaveChanges = 84;
inline constexpr int kSaveChangesFirst = 97;
inline constexpr int kImportComments = 96;

// --- files: definitions, data files ---
inline constexpr int kFileCannotBeOpened = 80; // followed by " - " and the file name
inline constexpr int kFileMemoryLength = 81;
inline constexpr int kFileFormat = 82; // followed by " - " and the file name or the problem
inline constexpr int kFileReceiverUnknown = 85;
inline constexpr int kFileOtherReceiver = 86;
inline constexpr int kFileTooManySlots = 87;
inline constexpr int kNoFreeSlot = 94;
inline constexpr int kSelectReceiverType = 99;

// --- link and receiver ---
inline constexpr int kPortUnavailable = 120;
inline constexpr int kNotConnected = 121;
inline constexpr int kModelNotSupported = 90;
inline constexpr int kOtherReceiver = 92;
inline constexpr int kPasswordTooLong = 100;
inline constexpr int kCommunicationFailed = 110; // followed by one of the "while ..." texts
inline constexpr int kWhileIdentifying = 112;
inline constexpr int kWhileWriting = 114;
inline constexpr int kWhileReading = 118;
inline constexpr int kAddressOutOfRange = 122;
inline constexpr int kUnknownReadType = 123;

// --- communication sequences and their dialogs ---
inline constexpr int kUploading = 75;
inline constexpr int kDownloading = 76;
inline constexpr int kOtherModelThanDataSet = 77;
inline constexpr int kUploadQuestion = 95;
inline constexpr int kStopUpload = 98;

inline constexpr int kSetupCaption = 40;
inline constexpr int kSetupPort = 41;
inline constexpr int kSetupSpeed = 42;
inline constexpr int kSetupDumpRead = 43;
inline constexpr int kSetupConnectOver = 147;
inline constexpr int kSetupIPAddress = 148;
inline constexpr int kSetupTcpPort = 149;
inline constexpr int kBadIPAddress = 101;
inline constexpr int kBadTcpPort = 102;
inline constexpr int kBadPortNumber = 135;
inline constexpr int kBadSpeed = 136;

inline constexpr int kLoginCaption = 60;
inline constexpr int kReceiverType = 61;
inline constexpr int kPassword = 62;
inline constexpr int kLoginNote = 63;
inline constexpr int kChangePasswordCaption = 65;
inline constexpr int kOldPassword = 66;
inline constexpr int kNewPassword = 67;
inline constexpr int kNoPassword = 68;
inline constexpr int kPasswordTooLongForDialog = 133;
inline constexpr int kWrongPassword = 134;

// --- record views, record edit, new file ---
inline constexpr int kColumnPosition = 27;
inline constexpr int kColumnSerial = 28;
inline constexpr int kColumnButton = 29;
inline constexpr int kColumnRelayFunction = 31; // followed by the relay number
inline constexpr int kColumnRelayTime = 32;     // followed by the relay number
inline constexpr int kColumnType = 54;
inline constexpr int kColumnFunction = 150;
inline constexpr int kColumnChannels = 151;
inline constexpr int kColumnTime = 152;
inline constexpr int kFirstUserTitle = 153; // ID, then User 1..4

inline constexpr int kEditCaption = 50;
inline constexpr int kEditUserGroup = 51;
inline constexpr int kEditMemorySlot = 52;
inline constexpr int kEditSerial = 53;
inline constexpr int kEditType = 54;
inline constexpr int kEditButtons = 55;
inline constexpr int kEditRelay = 56;
inline constexpr int kEditFunction = 58;
inline constexpr int kEditTime = 59;
inline constexpr int kEditInput = 160;
inline constexpr int kRecordAgainstRules = 78;
inline constexpr int kUnknownFunction = 79;
inline constexpr int kBadSerial = 138;
inline constexpr int kBadTime = 139;

inline constexpr int kNewFileCaption = 163;
inline constexpr int kNewFileReceiverType = 167;

// --- on-line mode and direct control ---
inline constexpr int kOnlineNoAnswer = 125;    // error box (system-modal); on-line mode has ended
inline constexpr int kOnlineNextAttempt = 126; // busy window of the wait between status reads
inline constexpr int kRelayOn = 303;
inline constexpr int kRelayOff = 304;
inline constexpr int kDirectControlCaption = 299;
inline constexpr int kDirectCurrentState = 300;
inline constexpr int kDirectNewState = 301;
inline constexpr int kDirectRelay = 302;
inline constexpr int kDirectSend = 305;
inline constexpr int kDirectRefresh = 306;
inline constexpr int kDirectOn = 307;
inline constexpr int kDirectOff = 308;
inline constexpr int kDirectPulse = 309;

// --- find ---
inline constexpr int kFindCaption = 142;
inline constexpr int kFindText = 143;
inline constexpr int kFindColumn = 144;
inline constexpr int kFindAllColumns = 145;
inline constexpr int kTextNotFound = 146;
inline constexpr int kColumnLastEvent = 168;
inline constexpr int kColumnEventTime = 216;

// --- history and low-battery lists ---
inline constexpr int kColumnBattery = 169;
inline constexpr int kBatteryLow = 204;     // also the history's low-battery cell, drawn in red
inline constexpr int kBatteryChanged = 205; // drawn in green
inline constexpr int kBatteryOk = 217;
inline constexpr int kClearSelected = 201;
inline constexpr int kClearChanged = 202;
inline constexpr int kClearAll = 203;
inline constexpr int kClearButton = 212;

// --- application setup, connection profiles, user accounts, welcome window ---
inline constexpr int kEnterName = 128;    // a connection profile or an account without a name
inline constexpr int kChooseRights = 129; // an account without rights
inline constexpr int kRightsAdministrator = 187;
inline constexpr int kRightsUser = 188;
inline constexpr int kWrongUserOrPassword = 294;
inline constexpr int kNameLabel = 107;
inline constexpr int kUserLoginCaption = 189;
inline constexpr int kConnectionColumn = 108;
inline constexpr int kProfileLabel = 109;
inline constexpr int kAddButton = 242;
inline constexpr int kSaveButton = 39;
inline constexpr int kDeleteButton = 244;
inline constexpr int kRightsGroup = 186;

inline constexpr int kAppSetupCaption = 170;
inline constexpr int kPageBasic = 103;
inline constexpr int kPageStartUp = 104;
inline constexpr int kPageOnline = 105;
inline constexpr int kPageConnections = 106;
inline constexpr int kPageAccounts = 185;
inline constexpr int kLanguageLabel = 171;
inline constexpr int kBackupBox = 172;
inline constexpr int kWelcomeBox = 173;
inline constexpr int kFindBox = 174;
inline constexpr int kSortGroup = 175;
inline constexpr int kSortColumn = 176;
inline constexpr int kSortUp = 177;
inline constexpr int kSortDown = 178;
inline constexpr int kUserColumnsGroup = 179;
inline constexpr int kVisibleLabel = 180;
inline constexpr int kMonitorFontGroup = 182;
inline constexpr int kMonitorFontSample = 183;
inline constexpr int kLoginBox = 184;
inline constexpr int kSoundGroup = 196;
inline constexpr int kSoundOff = 197;
inline constexpr int kSoundCard = 198;
inline constexpr int kSoundSpeaker = 199;
inline constexpr int kBatteryLevelGroup = 206;
inline constexpr int kFirstListLevel = 207; // off, receiver, application, both, all: 207..211
inline constexpr int kHistoryLevelGroup = 218;
inline constexpr int kBeepBox = 219;
inline constexpr int kHistoryLengthGroup = 220;
inline constexpr int kHistoryLengthAfter = 221;
inline constexpr int kHistoryLengthBefore = 223;
inline constexpr int kHistoryClearBox = 224;
inline constexpr int kStartDownload = 270;
inline constexpr int kStartOnline = 271;
inline constexpr int kStartMonitor = 272;
inline constexpr int kStartOpenData = 273;
inline constexpr int kStartOpenMonitor = 274;
inline constexpr int kBrowse = 275;

inline constexpr int kWelcomeCaption = 161;
inline constexpr int kWelcomeHeading = 162;
inline constexpr int kWelcomeNew = 163;
inline constexpr int kWelcomeOpen = 164;
inline constexpr int kWelcomeOpenLast = 165;
inline constexpr int kWelcomeDontShow = 166;
inline constexpr int kWelcomeRunProfile = 64;
// --- monitor setups: the page, the message and event dialogs ---
inline constexpr int kDuplicateMonitorEvent = 127;
inline constexpr int kMonitorAddCaption = 73; // the record-selection window
inline constexpr int kMonitorAddLabel = 74;
inline constexpr int kMonitorPictureSize = 225;
inline constexpr int kMonitorWindow = 226;
inline constexpr int kMonitorPlay = 227;
inline constexpr int kMonitorYes = 228;
inline constexpr int kMonitorMessage = 232;
inline constexpr int kMonitorText = 233;
inline constexpr int kMonitorColour = 234;
inline constexpr int kMonitorBlink = 235;
inline constexpr int kMonitorSound = 236;
inline constexpr int kMonitorSoundFile = 237;
inline constexpr int kMonitorOpen = 238;
inline constexpr int kMonitorActive = 240;
inline constexpr int kMonitorDeactive = 241;
inline constexpr int kMonitorAdd = 242;
inline constexpr int kMonitorEdit = 243;
inline constexpr int kMonitorRemove = 244;
inline constexpr int kMonitorAddSerial = 245;
inline constexpr int kMonitorAddMemory = 246;
inline constexpr int kMonitorAddFile = 247;
inline constexpr int kMonitorAddHistory = 248;
inline constexpr int kMonitorMessageCaption = 250;
inline constexpr int kMonitorEventCaption = 251;
inline constexpr int kMonitorPicture = 255;
inline constexpr int kMonitorSize = 257;
inline constexpr int kMonitorActivateApp = 258;
inline constexpr int kMonitorShowWindow = 259;
inline constexpr int kSoundShortBeep = 260;      // sound codes 1..4 are 260..263
inline constexpr int kSoundPermanentAlarm = 265; // sound code 5
inline constexpr int kSoundOwnFile = 264;        // sound code 6

// Monitor mode: the table of active messages and its panel.
inline constexpr int kMonitorActivated = 239;
inline constexpr int kMonitorExit = 252;
inline constexpr int kMonitorSelectAll = 253;
inline constexpr int kMonitorDeactiveButton = 254;

// --- texts added after the original numbers (English when a language file lacks them) ---
inline constexpr int kHelpContents = 310;
inline constexpr int kHelpBack = 311;
inline constexpr int kHelpForward = 312;
inline constexpr int kHelpCaption = 313;
inline constexpr int kShowPassword = 314;
inline constexpr int kPasswordUnchanged = 315;
inline constexpr int kFilterXlsx = 316;
inline constexpr int kFilterCsv = 317;
inline constexpr int kFilterSylk = 318;
inline constexpr int kFilterAll = 319;
inline constexpr int kMenuImportCsv = 320;
inline constexpr int kFilterCsvOpen = 321;
inline constexpr int kImportCaption = 322;
inline constexpr int kImportEncoding = 323;
inline constexpr int kCodePage1250 = 324;
inline constexpr int kImportToAdd = 325;
inline constexpr int kImportToChange = 326;
inline constexpr int kImportUnchanged = 327;
inline constexpr int kImportRefused = 328;
inline constexpr int kImportIgnoredColumns = 329;
inline constexpr int kReportLine = 330;
inline constexpr int kReportResult = 331;
inline constexpr int kImportAdds = 332;
inline constexpr int kImportChanges = 333;
inline constexpr int kImportRefusedRow = 334;
inline constexpr int kImportNothing = 335;
inline constexpr int kCsvUnreadable = 336;
inline constexpr int kDiffCaption = 337;
inline constexpr int kDiffAdded = 338;
inline constexpr int kDiffRemoved = 339;
inline constexpr int kDiffChanged = 340;
inline constexpr int kDiffSame = 341;
inline constexpr int kDiffRecord = 342;
inline constexpr int kDiffChange = 343;
inline constexpr int kDiffField = 344;
inline constexpr int kDiffBefore = 345;
inline constexpr int kDiffAfter = 346;
inline constexpr int kDiffKindAdded = 347;
inline constexpr int kDiffKindRemoved = 348;
inline constexpr int kDiffKindChanged = 349;
inline constexpr int kUploadDiffBox = 350;
inline constexpr int kMonitorSilence = 351;      // the command that stops the alarm sound
inline constexpr int kMonitorLinkLost = 352;     // the link-lost alarm of monitor mode
inline constexpr int kMonitorLinkRestored = 353; // its return, in the alarm journal

// Reasons an import gives; %1 and %2 are filled in.
inline constexpr int kImportControlCharacter = 354;
inline constexpr int kImportTextTooLong = 355;
inline constexpr int kImportNotWhole = 356;
inline constexpr int kImportNotType = 357;
inline constexpr int kImportNotButton = 358;
inline constexpr int kImportNotTypeButton = 359;
inline constexpr int kImportNotFunction = 360;
inline constexpr int kImportNotTime = 361;
inline constexpr int kImportNoChannel = 362;
inline constexpr int kImportNoRelay = 363;
inline constexpr int kImportWouldKeep = 364;
inline constexpr int kImportWouldKeepAll = 365;
inline constexpr int kImportNoTitleRow = 366;
inline constexpr int kImportNoKnownColumn = 367;
inline constexpr int kImportTooManyFields = 368;
inline constexpr int kImportNotSlot = 369;
inline constexpr int kImportSlotTaken = 370;
inline constexpr int kImportNeedsSerial = 371;
inline constexpr int kCsvNotText = 372;
inline constexpr int kCsvOpenQuote = 373;
inline constexpr int kCsvEmpty = 374;
inline constexpr int kUndo = 375;
inline constexpr int kRedo = 376;
inline constexpr int kUndoStep = 377;
inline constexpr int kRedoStep = 378;
inline constexpr int kPrintPreview = 379;
inline constexpr int kExportPdf = 380;
inline constexpr int kPdfFiles = 381;
inline constexpr int kPrinterNotStarted = 382;
inline constexpr int kLinkLost = 383;
inline constexpr int kLinkReconnecting = 384;
inline constexpr int kLoggerNotStarted = 385;
inline constexpr int kLoggerNotFound = 386;
inline constexpr int kReceiverKV1MOD = 387;
inline constexpr int kReceiverKVPMOD = 388;
inline constexpr int kReceiverKV8MOD = 389;
inline constexpr int kReceiverKV4MUL = 390;
inline constexpr int kReceiverKV2MIN = 391;

} // namespace vorbix::lang
