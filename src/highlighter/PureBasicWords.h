#pragma once
// The reserved words of PureBasic as the highlighter knows them, spelled as in the manual.
// Matching ignores case. A word must appear in one list only (checked when the lookup table is
// built at compile time).

#include <string_view>

namespace highlighter {

// Language keywords (TokenKind::BasicKeyword).
// clang-format off
inline constexpr std::string_view kBasicKeywords[] = {
    "Align", "And", "Array", "Break", "CallDebugger", "Case", "CompilerCase", "CompilerDefault",
    "CompilerElse", "CompilerElseIf", "CompilerEndIf", "CompilerEndSelect", "CompilerError",
    "CompilerIf", "CompilerSelect", "CompilerWarning", "Continue", "Data", "DataSection", "Debug",
    "DebugLevel", "Declare", "DeclareC", "DeclareCDLL", "DeclareDLL", "DeclareModule", "Default",
    "Define", "Dim", "DisableASM", "DisableDebugger", "DisableExplicit", "Else", "ElseIf",
    "EnableASM", "EnableDebugger", "EnableExplicit", "End", "EndDataSection", "EndDeclareModule",
    "EndEnumeration", "EndIf", "EndImport", "EndInterface", "EndMacro", "EndModule", "EndProcedure",
    "EndSelect", "EndStructure", "EndStructureUnion", "EndWith", "Enumeration", "EnumerationBinary",
    "Extends", "FakeReturn", "For", "ForEach", "ForEver", "Global", "Gosub", "Goto", "If", "Import",
    "ImportC", "IncludeBinary", "IncludeFile", "IncludePath", "Interface", "List", "Macro",
    "MacroExpandedCount", "Map", "Module", "NewList", "NewMap", "Next", "Not", "Or", "Procedure",
    "ProcedureC", "ProcedureCDLL", "ProcedureDLL", "ProcedureReturn", "Protected", "Prototype",
    "PrototypeC", "Read", "ReDim", "Repeat", "Restore", "Return", "Runtime", "Select", "Shared",
    "Static", "Step", "Structure", "StructureUnion", "Swap", "Threaded", "To", "UndefineMacro",
    "Until", "UnuseModule", "UseModule", "Wend", "While", "With", "XIncludeFile", "Xor"
};
// clang-format on

// Built-in commands and compiler functions (TokenKind::PureKeyword).
// clang-format off
inline constexpr std::string_view kBuiltinCommands[] = {
    // Compiler functions
    "Bool", "ClearStructure", "CopyStructure", "Defined", "InitializeStructure", "OffsetOf",
    "ResetStructure", "SizeOf", "Subsystem", "TypeOf",
    // Windows and events
    "AddKeyboardShortcut", "AddWindowTimer", "BindEvent", "BindGadgetEvent", "BindMenuEvent",
    "CloseWindow", "DisableWindow", "Event", "EventData", "EventGadget", "EventMenu", "EventTimer",
    "EventType", "EventWindow", "EventlParam", "EventwParam", "GetActiveWindow", "GetWindowColor",
    "GetWindowData", "GetWindowState", "GetWindowTitle", "HideWindow", "IsWindow", "OpenWindow",
    "PostEvent", "RemoveKeyboardShortcut", "RemoveWindowTimer", "ResizeWindow", "SetActiveWindow",
    "SetWindowCallback", "SetWindowColor", "SetWindowData", "SetWindowState", "SetWindowTitle",
    "SmartWindowRefresh", "StickyWindow", "UnbindEvent", "UnbindGadgetEvent", "UnbindMenuEvent",
    "WaitWindowEvent", "WindowBounds", "WindowEvent", "WindowHeight", "WindowID", "WindowMouseX",
    "WindowMouseY", "WindowOutput", "WindowWidth", "WindowX", "WindowY",
    // Gadgets
    "AddGadgetColumn", "AddGadgetItem", "ButtonGadget", "ButtonImageGadget", "CalendarGadget",
    "CanvasGadget", "CanvasOutput", "CheckBoxGadget", "ClearGadgetItems", "CloseGadgetList",
    "ComboBoxGadget", "ContainerGadget", "CountGadgetItems", "DateGadget", "DisableGadget",
    "EditorGadget", "ExplorerComboGadget", "ExplorerListGadget", "ExplorerTreeGadget",
    "FrameGadget", "FreeGadget", "GadgetHeight", "GadgetID", "GadgetItemID", "GadgetToolTip",
    "GadgetType", "GadgetWidth", "GadgetX", "GadgetY", "GetActiveGadget", "GetGadgetAttribute",
    "GetGadgetColor", "GetGadgetData", "GetGadgetFont", "GetGadgetItemAttribute",
    "GetGadgetItemColor", "GetGadgetItemData", "GetGadgetItemState", "GetGadgetItemText",
    "GetGadgetState", "GetGadgetText", "HideGadget", "HyperLinkGadget", "IPAddressGadget",
    "ImageGadget", "IsGadget", "ListIconGadget", "ListViewGadget", "MDIGadget", "OpenGLGadget",
    "OpenGadgetList", "OptionGadget", "PanelGadget", "ProgressBarGadget", "RemoveGadgetColumn",
    "RemoveGadgetItem", "ResizeGadget", "ScintillaGadget", "ScintillaSendMessage",
    "ScrollAreaGadget", "ScrollBarGadget", "SetActiveGadget", "SetGadgetAttribute",
    "SetGadgetColor", "SetGadgetData", "SetGadgetFont", "SetGadgetItemAttribute",
    "SetGadgetItemColor", "SetGadgetItemData", "SetGadgetItemState", "SetGadgetItemText",
    "SetGadgetState", "SetGadgetText", "ShortcutGadget", "SpinGadget", "SplitterGadget",
    "StringGadget", "TextGadget", "TrackBarGadget", "TreeGadget", "UseGadgetList", "WebGadget",
    // Menus, toolbars, status bars
    "CloseSubMenu", "CreateImageMenu", "CreateMenu", "CreatePopupImageMenu", "CreatePopupMenu",
    "DisableMenuItem", "DisplayPopupMenu", "FreeMenu", "GetMenuItemState", "GetMenuItemText",
    "GetMenuTitleText", "IsMenu", "MenuBar", "MenuHeight", "MenuID", "MenuItem", "MenuTitle",
    "OpenSubMenu", "SetMenuItemState", "SetMenuItemText", "SetMenuTitleText", "CreateToolBar",
    "DisableToolBarButton", "FreeToolBar", "GetToolBarButtonState", "IsToolBar",
    "SetToolBarButtonState", "ToolBarHeight", "ToolBarID", "ToolBarImageButton", "ToolBarSeparator",
    "ToolBarStandardButton", "ToolBarToolTip", "AddStatusBarField", "CreateStatusBar",
    "FreeStatusBar", "IsStatusBar", "StatusBarHeight", "StatusBarID", "StatusBarImage",
    "StatusBarProgress", "StatusBarText",
    // Requesters
    "ColorRequester", "FontRequester", "InputRequester", "MessageRequester", "NextSelectedFileName",
    "OpenFileRequester", "PathRequester", "SaveFileRequester", "SelectedFileName",
    "SelectedFilePattern", "SelectedFontColor", "SelectedFontName", "SelectedFontSize",
    "SelectedFontStyle",
    // Files and directories
    "CheckFilename", "CloseFile", "CopyDirectory", "CopyFile", "CreateDirectory", "CreateFile",
    "DeleteDirectory", "DeleteFile", "DirectoryEntryAttributes", "DirectoryEntryDate",
    "DirectoryEntryName", "DirectoryEntrySize", "DirectoryEntryType", "Eof", "ExamineDirectory",
    "FileBuffersSize", "FileID", "FileSeek", "FileSize", "FinishDirectory", "FlushFileBuffers",
    "GetCurrentDirectory", "GetExtensionPart", "GetFileAttributes", "GetFileDate", "GetFilePart",
    "GetHomeDirectory", "GetPathPart", "GetTemporaryDirectory", "IsFile", "Loc", "Lof",
    "NextDirectoryEntry", "OpenFile", "ReadAsciiCharacter", "ReadByte", "ReadCharacter", "ReadData",
    "ReadDouble", "ReadFile", "ReadFloat", "ReadInteger", "ReadLong", "ReadQuad", "ReadString",
    "ReadStringFormat", "ReadUnicodeCharacter", "ReadWord", "RenameFile", "SetCurrentDirectory",
    "SetFileAttributes", "SetFileDate", "TruncateFile", "WriteByte", "WriteCharacter", "WriteData",
    "WriteDouble", "WriteFloat", "WriteInteger", "WriteLong", "WriteQuad", "WriteString",
    "WriteStringFormat", "WriteStringN", "WriteWord",
    // Preferences
    "ClosePreferences", "CreatePreferences", "ExaminePreferenceGroups", "ExaminePreferenceKeys",
    "NextPreferenceGroup", "NextPreferenceKey", "OpenPreferences", "PreferenceComment",
    "PreferenceGroup", "PreferenceGroupName", "PreferenceKeyName", "PreferenceKeyValue",
    "ReadPreferenceDouble", "ReadPreferenceFloat", "ReadPreferenceInteger", "ReadPreferenceLong",
    "ReadPreferenceQuad", "ReadPreferenceString", "RemovePreferenceGroup", "RemovePreferenceKey",
    "WritePreferenceDouble", "WritePreferenceFloat", "WritePreferenceInteger",
    "WritePreferenceLong", "WritePreferenceQuad", "WritePreferenceString",
    // Strings
    "Asc", "Ascii", "Bin", "Chr", "CountString", "EscapeString", "FindString", "FormatNumber",
    "Hex", "InsertString", "LCase", "LSet", "LTrim", "Left", "Len", "Mid", "RSet", "RTrim",
    "RemoveString", "ReplaceString", "ReverseString", "Right", "Space", "Str", "StrD", "StrF",
    "StrU", "StringByteLength", "StringField", "Trim", "UCase", "URLDecoder", "URLEncoder", "UTF8",
    "UnescapeString", "Val", "ValD", "ValF",
    // Memory
    "AllocateMemory", "AllocateStructure", "CompareMemory", "CompareMemoryString", "CopyMemory",
    "CopyMemoryString", "FillMemory", "FreeMemory", "FreeStructure", "MemorySize",
    "MemoryStringLength", "MoveMemory", "PeekA", "PeekB", "PeekC", "PeekD", "PeekF", "PeekI",
    "PeekL", "PeekQ", "PeekS", "PeekU", "PeekW", "PokeA", "PokeB", "PokeC", "PokeD", "PokeF",
    "PokeI", "PokeL", "PokeQ", "PokeS", "PokeU", "PokeW", "ReAllocateMemory",
    // Math
    "ACos", "ACosH", "ASin", "ASinH", "ATan", "ATan2", "ATanH", "Abs", "Cos", "CosH", "Degree",
    "Exp", "Infinity", "Int", "IntQ", "IsInfinity", "IsNaN", "Log", "Log10", "Mod", "NaN", "Pow",
    "Radian", "Random", "RandomData", "RandomSeed", "Round", "Sign", "Sin", "SinH", "Sqr", "Tan",
    "TanH",
    // Lists, maps, arrays, sorting
    "AddElement", "ChangeCurrentElement", "ClearList", "CopyList", "DeleteElement", "FirstElement",
    "FreeList", "InsertElement", "LastElement", "ListIndex", "ListSize", "MergeLists",
    "MoveElement", "NextElement", "PopListPosition", "PreviousElement", "PushListPosition",
    "RandomizeList", "ResetList", "SelectElement", "SortList", "SortStructuredList", "SplitList",
    "SwapElements", "AddMapElement", "ClearMap", "CopyMap", "DeleteMapElement", "FindMapElement",
    "FreeMap", "MapKey", "MapSize", "NextMapElement", "PopMapPosition", "PushMapPosition",
    "ResetMap", "ArraySize", "CopyArray", "FreeArray", "RandomizeArray", "SortArray",
    "SortStructuredArray",
    // 2D drawing, images, fonts
    "Alpha", "BackColor", "Blue", "Box", "BoxedGradient", "CatchImage", "Circle",
    "CircularGradient", "ClipOutput", "ConicalGradient", "CopyImage", "CreateImage",
    "CustomFilterCallback", "DrawAlphaImage", "DrawImage", "DrawRotatedText", "DrawText",
    "DrawingBuffer", "DrawingBufferPitch", "DrawingBufferPixelFormat", "DrawingFont", "DrawingMode",
    "Ellipse", "EllipticalGradient", "FillArea", "FontID", "FreeFont", "FreeImage", "FrontColor",
    "GrabDrawingImage", "GrabImage", "GradientColor", "Green", "ImageDepth", "ImageHeight",
    "ImageID", "ImageOutput", "ImageWidth", "IsFont", "IsImage", "Line", "LineXY", "LinearGradient",
    "LoadFont", "LoadImage", "OutputHeight", "OutputWidth", "Plot", "Point", "PrinterOutput", "RGB",
    "RGBA", "Red", "ResetGradientColors", "ResizeImage", "RoundBox", "SaveImage", "StartDrawing",
    "StopDrawing", "TextHeight", "TextWidth", "UnclipOutput", "UseGIFImageDecoder",
    "UseJPEGImageDecoder", "UseJPEGImageEncoder", "UsePNGImageDecoder", "UsePNGImageEncoder",
    "UseTGAImageDecoder", "UseTIFFImageDecoder",
    // Network, HTTP, FTP, mail
    "CloseFTP", "CloseNetworkConnection", "CloseNetworkServer", "ConnectionID",
    "CreateNetworkServer", "EventClient", "EventServer", "ExamineFTPDirectory",
    "ExamineIPAddresses", "FinishHTTP", "GetClientIP", "GetClientPort", "GetHTTPHeader",
    "GetURLPart", "HTTPInfo", "HTTPProxy", "HTTPRequest", "IPAddressField", "IPString",
    "InitNetwork", "MakeIPAddress", "NetworkClientEvent", "NetworkServerEvent", "NextIPAddress",
    "OpenFTP", "OpenNetworkConnection", "ReceiveFTPFile", "ReceiveHTTPFile", "ReceiveHTTPMemory",
    "ReceiveNetworkData", "SendFTPFile", "SendNetworkData", "SendNetworkString", "ServerID",
    "SetURLPart", "AddMailAttachment", "AddMailRecipient", "CreateMail", "FreeMail", "SendMail",
    "SetMailBody",
    // Threads and synchronisation
    "CreateMutex", "CreateSemaphore", "CreateThread", "FreeMutex", "FreeSemaphore", "IsThread",
    "KillThread", "LockMutex", "PauseThread", "ResumeThread", "SignalSemaphore", "ThreadID",
    "ThreadPriority", "TryLockMutex", "TrySemaphore", "UnlockMutex", "WaitSemaphore", "WaitThread",
    // Date and time
    "AddDate", "Date", "Day", "DayOfWeek", "DayOfYear", "ElapsedMilliseconds", "FormatDate", "Hour",
    "Minute", "Month", "ParseDate", "Second", "Year",
    // Programs, environment, system
    "AvailableProgramOutput", "CPUName", "CloseProgram", "ComputerName", "CountCPUs",
    "CountProgramParameters", "Delay", "EnvironmentVariableName", "EnvironmentVariableValue",
    "ExamineEnvironmentVariables", "GetEnvironmentVariable", "IsProgram", "KillProgram",
    "MemoryStatus", "NextEnvironmentVariable", "OSVersion", "ProgramExitCode", "ProgramFilename",
    "ProgramID", "ProgramParameter", "ProgramRunning", "ReadProgramData", "ReadProgramError",
    "ReadProgramString", "RemoveEnvironmentVariable", "RunProgram", "SetEnvironmentVariable",
    "UserName", "WaitProgram", "WriteProgramData", "WriteProgramString", "WriteProgramStringN",
    // Clipboard and desktop
    "ClearClipboard", "GetClipboardImage", "GetClipboardText", "SetClipboardImage",
    "SetClipboardText", "DesktopDepth", "DesktopFrequency", "DesktopHeight", "DesktopMouseX",
    "DesktopMouseY", "DesktopName", "DesktopWidth", "DesktopX", "DesktopY", "ExamineDesktops",
    // Libraries
    "CallCFunction", "CallCFunctionFast", "CallFunction", "CallFunctionFast", "CloseLibrary",
    "CountLibraryFunctions", "ExamineLibraryFunctions", "GetFunction", "GetFunctionEntry",
    "IsLibrary", "LibraryFunctionAddress", "LibraryFunctionName", "LibraryID",
    "NextLibraryFunction", "OpenLibrary",
    // Console
    "ClearConsole", "CloseConsole", "ConsoleColor", "ConsoleCursor", "ConsoleError",
    "ConsoleLocate", "ConsoleTitle", "EnableGraphicalConsole", "Inkey", "Input", "OpenConsole",
    "Print", "PrintN", "RawKey",
    // Screens, sprites, keyboard, mouse, sound
    "ClearScreen", "CloseScreen", "CreateSprite", "DisplaySprite", "DisplayTransparentSprite",
    "ExamineKeyboard", "ExamineMouse", "FlipBuffers", "FreeSprite", "InitKeyboard", "InitMouse",
    "InitSound", "InitSprite", "KeyboardPushed", "KeyboardReleased", "LoadSound", "LoadSprite",
    "MouseButton", "MouseDeltaX", "MouseDeltaY", "MouseX", "MouseY", "OpenScreen",
    "OpenWindowedScreen", "PlaySound", "ScreenOutput", "SoundVolume", "SpriteCollision",
    "SpriteHeight", "SpriteOutput", "SpriteWidth", "StopSound", "FreeSound",
    // Checksums and encoding
    "AESDecoder", "AESEncoder", "Base64Decoder", "Base64Encoder", "CRC32Fingerprint",
    "CloseCryptRandom", "CryptRandom", "FileFingerprint", "MD5Fingerprint", "OpenCryptRandom",
    "SHA1Fingerprint", "StringFingerprint", "UseCRC32Fingerprint", "UseMD5Fingerprint",
    "UseSHA1Fingerprint", "UseSHA2Fingerprint",
    // Regular expressions, databases, JSON, XML, packers
    "CreateRegularExpression", "ExamineRegularExpression", "ExtractRegularExpression",
    "FreeRegularExpression", "MatchRegularExpression", "NextRegularExpressionMatch",
    "RegularExpressionError", "RegularExpressionMatchString", "ReplaceRegularExpression",
    "CloseDatabase", "DatabaseColumnName", "DatabaseColumns", "DatabaseError", "DatabaseQuery",
    "DatabaseUpdate", "FinishDatabaseQuery", "GetDatabaseDouble", "GetDatabaseLong",
    "GetDatabaseString", "NextDatabaseRow", "OpenDatabase", "UseSQLiteDatabase", "ComposeJSON",
    "CreateJSON", "ExtractJSONStructure", "FreeJSON", "InsertJSONStructure", "JSONValue",
    "ParseJSON", "ChildXMLNode", "CreateXML", "FreeXML", "GetXMLAttribute", "GetXMLNodeText",
    "LoadXML", "MainXMLNode", "NextXMLNode", "ParseXML", "SaveXML", "SetXMLAttribute",
    "SetXMLNodeText", "XMLNodeFromPath", "XMLStatus", "AddPackFile", "AddPackMemory", "ClosePack",
    "CompressMemory", "CreatePack", "ExaminePack", "NextPackEntry", "OpenPack", "PackEntryName",
    "PackEntrySize", "UncompressMemory", "UncompressPackFile", "UseZipPacker",
    // Debugger output and help
    "ClearDebugOutput", "CloseDebugOutput", "CloseHelp", "OpenHelp", "SaveDebugOutput",
    "ShowDebugOutput"
};
// clang-format on

}  // namespace highlighter
