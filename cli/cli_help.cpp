// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_help.h"

#include <QStringList>

#include "colour/night_colours.h"

namespace quorvane {

namespace {

// The help names the darkness edit's night-from-day takes when none is given.
static_assert(kDefaultDarkness == 70);

struct CommandHelp {
    const char* name;
    const char* text;
};

const CommandHelp kCommands[] = {
    {"dump",
     "  quorvane-cli dump FILE\n"
     "      Reads FILE as the editor's Open does and prints the theme as one JSON object:\n"
     "      file, metadata, presentations, list, elements and messages.\n"},
    {"resave",
     "  quorvane-cli resave IN OUT [--force]\n"
     "      Reads IN, then writes it to OUT exactly as the editor's Save writes. An existing\n"
     "      OUT is replaced only with --force. An empty theme or one without a title is "
     "refused.\n"},
    {"render",
     "  quorvane-cli render IN OUT.png [--canvas-width TWIPS] [--night] [--presentation NAME]\n"
     "      Reads IN and paints its whole preview canvas to a PNG, 15 twips per pixel, as the\n"
     "      editor's window paints it, presentation names included. The tiles wrap at a canvas\n"
     "      TWIPS wide (default 11712); a short canvas is stretched to the viewport's height\n"
     "      (10236 twips). --night paints the Night view; --presentation paints one\n"
     "      presentation's rows only.\n"},
    {"render-map",
     "  quorvane-cli render-map THEME [MAP...] OUT.png [--presentation NAME] [--night]\n"
     "                          [--size WxH] [--bbox MINLON,MINLAT,MAXLON,MAXLAT]\n"
     "                          [--hide-unstyled]\n"
     "      Draws THEME on map data as the device would and writes the picture as a PNG\n"
     "      (default 1600x1000 pixels). MAP files are OpenStreetMap data (.osm, .osm.bz2,\n"
     "      .osm.gz, .osm.pbf) or GPX routes and tracks (.gpx); several combine, and without\n"
     "      one the sample town is drawn. The area is all the data, or the --bbox given,\n"
     "      centred and scaled to fit whole. --presentation picks the presentation (default\n"
     "      GUIDANCE, else the theme's first), --night the night colours. Features the\n"
     "      theme does not style are drawn thin grey and hatched, or left out with\n"
     "      --hide-unstyled. A line on stderr tells how many ways and areas were incomplete\n"
     "      at the edges of the data; a map file that cannot be read whole is an error.\n"},
    {"check",
     "  quorvane-cli check FILE... [--json] [--strict]\n"
     "      Checks each theme and prints one line per problem, FILE:LINE: severity: message\n"
     "      [code], then a summary; --json prints the problems as a JSON array instead. Exit\n"
     "      status 1 when a theme has errors (with --strict, warnings too).\n"},
    {"diff",
     "  quorvane-cli diff A B [--json] [--color=auto|always|never]\n"
     "      Compares two themes by meaning: metadata, presentations added or removed, and for\n"
     "      each presentation the styles added (+), removed (-) or changed (~, old -> new);\n"
     "      colours compare as values. --json prints one JSON object. Exit status 0 same,\n"
     "      1 different, 2 trouble. --git takes the seven arguments git gives a\n"
     "      diff.kmtf.command and exits 0 for a difference.\n"},
    {"build",
     "  quorvane-cli build IN.json OUT.kmtf [--force]\n"
     "      Makes a theme from JSON in the shape dump prints (file and messages are ignored,\n"
     "      a missing key takes the editor's default) and writes it as resave does. A value\n"
     "      the file cannot hold is named with its place, FILE:LINE:COLUMN: PATH: message,\n"
     "      and nothing is written.\n"},
    {"edit",
     "  quorvane-cli edit THEME... [--where CONDITION]... --set CHANGE...\n"
     "                   (-o OUT [--force] | --in-place | --dry-run [--json] [--color=WHEN])\n"
     "      Changes every style that meets all conditions: feature=GLOB (field or catalogue\n"
     "      name), presentation=GLOB, kind=line|polygon, colour=#RRGGBB (in any slot).\n"
     "      A CHANGE is scale=N, border=N, primary.day=#RRGGBB, primary.night=,\n"
     "      secondary.day=, secondary.night=, colour:#OLD=#NEW (wherever OLD is used),\n"
     "      night-from-day[=DARKNESS] (Make Night Colours, DARKNESS 0 to 100, 70 unless\n"
     "      given) or snap-to-palette (Snap to Device Palette), each as the editor does it.\n"
     "      Prints what changed; --dry-run prints the diff instead and writes nothing;\n"
     "      --in-place saves each THEME as the editor's Save does. A value the file cannot\n"
     "      hold is refused, and then no THEME is written.\n"},
    {"help",
     "  quorvane-cli help [COMMAND]\n"
     "      Shows this help, or one command's part of it.\n"},
};

}  // namespace

QString cli_help() {
    QString text = QStringLiteral(
        "quorvane-cli: the headless companion of the Quorvane theme editor.\n"
        "\n"
        "Usage: quorvane-cli [--help] [--version] COMMAND ...\n"
        "\n");
    for (const CommandHelp& command : kCommands) {
        text += QString::fromUtf8(command.text);
    }
    text += QStringLiteral(
        "\n"
        "A FILE or IN given as - is read from standard input; an OUT given as - is written to\n"
        "standard output. A pipe or device named as FILE or IN is refused.\n"
        "Messages the editor would show in a box go to stderr, one per line, in order.\n"
        "Exit status: 0 success, 1 refused or output not written, 2 usage error, unreadable\n"
        "input or not a theme.\n");
    return text;
}

QString command_help(const QString& command) {
    for (const CommandHelp& entry : kCommands) {
        if (command == QLatin1String(entry.name)) {
            return QString::fromUtf8(entry.text);
        }
    }
    return QString();
}

}  // namespace quorvane
