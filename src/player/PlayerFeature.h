#pragma once

// The features of the player that live outside the window (dialogs, the media browser, file
// commands, skins). A menu item that needs one is enabled only while some part of the program
// offers it.
enum class PlayerFeature {
    None,
    Browser,        // the media browser
    Download,       // "Download..."
    Convert,        // movie <-> projector
    Info,           // the movie information dialog
    ShowFile,       // show a file in the file manager
    Desktop,        // "Flash Desktop..."
    ScreenSaver,    // make a movie the screen saver
    Extract,        // the resource extractor
    Generator,      // the thumbnail generator
    Picture,        // save the current frame
    Thumbnail,      // make the thumbnail of the current movie
    Options,        // the options dialog
    Update,         // the update check
    Help,           // the help pages
    About,          // the about box
    ReloadSkin,     // reload the skin
    MoreSkins,      // the web page with more skins
    MoreLanguages,  // the web page with more languages
    ItemCommands,   // the commands of the item pop-up menu on files and folders
};
