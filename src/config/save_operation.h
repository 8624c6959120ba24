#pragma once

// What replaced the configuration file. Each earlier version of the file that
// the history keeps names the operation that replaced it.
enum class SaveOperation {
    Save,           // a save that names no operation
    GlobalSettings, // OK of the global settings
    PresetSave,     // Save of the preset editor
    PresetSwitch,   // Yes to the save question at a preset switch
    CopyPreset,
    FactoryReset,
    DumpImport,     // Import Vektor SysEx
    DumpReception,  // Stop of a dump reception
    KestrelImport,
    LibrarySave,    // Save of the preset library
    Restore,        // a kept version put back
    ToolImport,     // vektor-tool import
    ToolDecode,     // vektor-tool decode
    HistoryExport,  // a kept version exported over a memory file
    ToolSet,        // vektor-tool set
    ToolNotes,      // vektor-tool notes, when only the notes beside the memory change
};
