#!/usr/bin/env python3
"""Writes Tandrel's sample data into a Wine prefix: package folders with manifests and logos under
DRIVE_C, a .reg file with the AppModel repository and the all-user store for `wine reg import`,
and beside it a JSON file with the rows the program is expected to show under Wine.

    make_sample_data.py DRIVE_C OUTPUT.reg

Everything is made here and nowhere else: the tests read the JSON instead of repeating the data.
The output is the same on every run.
"""

import dataclasses
import json
import struct
import sys
import zlib
from dataclasses import dataclass
from pathlib import Path, PureWindowsPath

MICROSOFT = "8wekyb3d8bbwe"
CONTOSO = "q4d96b2w5wcc2"

WINDOWS_APPS = PureWindowsPath("C:/Program Files/WindowsApps")
APP_MODEL = r"HKEY_CLASSES_ROOT\Local Settings\Software\Microsoft\Windows\CurrentVersion\AppModel"
FAMILIES_KEY = APP_MODEL + r"\Repository\Families"
PACKAGES_KEY = APP_MODEL + r"\Repository\Packages"
SYSTEM_APP_DATA_KEY = APP_MODEL + r"\SystemAppData"
STORE_KEY = r"HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Appx\AppxAllUserStore\Applications"

MANIFEST_LOGO = r"Assets\StoreLogo.png"

# Publisher ids are made from these names; these ids stand for them here.
PUBLISHERS = {
    MICROSOFT: ("CN=Microsoft Corporation, O=Microsoft Corporation, L=Redmond, S=Washington, C=US",
                "Microsoft Corporation"),
    CONTOSO: ("CN=Contoso Küchengeräte GmbH, L=München, C=DE", "Contoso Küchengeräte GmbH"),
}

# The program's built-in selection; the expected default rows are those whose names are in it.
SELECTED_APPS = {name.lower() for name in (
    "Microsoft.WindowsAlarms", "Microsoft.ZuneVideo", "Microsoft.Windows.Photos", "Microsoft.ZuneMusic",
    "Microsoft.WindowsCamera", "Microsoft.WindowsMaps", "Microsoft.People",
    "microsoft.windowscommunicationsapps", "Microsoft.Messaging", "Microsoft.Office.OneNote",
    "Microsoft.WindowsCalculator", "Microsoft.WindowsSoundRecorder", "Microsoft.MicrosoftStickyNotes",
    "Microsoft.WindowsStore", "Microsoft.BingWeather", "Microsoft.XboxApp", "Microsoft.Microsoft3DViewer",
    "Microsoft.XboxSpeechToTextOverlay", "Microsoft.MSPaint")}

# The two Shell32 icons of the provisioned list: with and without a display name.
ICON_NAMED, ICON_UNNAMED = 22, 3

# A display name kept as an "@{...}" reference into the package's resources.
FROM_RESOURCES = "ms-resource:AppName"

ENUMERATION_ORDER = (
    "Wine keeps subkeys sorted by name, compared character by character in lower case, a name "
    "before any longer one it begins; the order of creation plays no part. Windows compares in "
    "upper case, so there \"_\" sorts after the letters, here before them.")


@dataclass(frozen=True)
class Logo:
    """A flat logo: a rounded square in `colour` with a white `shape` on it, saved under `variant`
    (the name the manifest gives, or one of the scale and target-size files Windows keeps)."""
    colour: tuple
    shape: str
    variant: str = ""
    damaged: bool = False

    def relative_path(self):
        stem, extension = MANIFEST_LOGO.rsplit(".", 1)
        return f"{stem}.{self.variant}.{extension}" if self.variant else MANIFEST_LOGO


@dataclass(frozen=True)
class Package:
    name: str
    version: str
    arch: str
    publisher: str = MICROSOFT
    # None: the package key has no DisplayName value.
    display_name: str | None = None
    registered: bool = True  # has a key under Packages
    has_root_folder: bool = True
    # "full": Identity, Properties and Logo; "no-logo": without a Logo element; "none": no file.
    manifest: str = "full"
    logo: Logo | None = None
    # Image values under the family's SplashScreen key: (subkey, value), in the order written.
    splash: tuple = ()
    # A key an earlier version left under Packages: not under its family, its folder gone.
    stale: bool = False

    @property
    def full_name(self):
        resource = "~" if self.arch == "neutral" else ""
        return f"{self.name}_{self.version}_{self.arch}_{resource}_{self.publisher}"

    @property
    def family(self):
        return f"{self.name}_{self.publisher}"

    @property
    def root_folder(self):
        return str(WINDOWS_APPS / self.full_name)

    @property
    def manifest_path(self):
        return str(WINDOWS_APPS / self.full_name / "AppxManifest.xml")


def resource_name(package):
    return f"@{{{package.full_name}?ms-resource://{package.name}/Resources/AppName}}"


def splash_entry(package, referenced=None):
    """A SplashScreen subkey and its Image value as Windows writes them, for the app of
    `referenced` (default: the package itself); the program replaces what follows /Files/."""
    referenced = referenced or package
    return (f"{referenced.full_name}!App",
            f"@{{{referenced.full_name}?ms-resource://{package.name}/Files/Assets/SplashScreen.png}}")


def with_splash(package, *entries):
    return dataclasses.replace(package, splash=entries)


def _installed():
    calculator = Package("Microsoft.WindowsCalculator", "10.2103.8.0", "x64", display_name="Rechner",
                         logo=Logo((0x1f, 0x4e, 0x79), "keys"))
    weather = Package("Microsoft.BingWeather", "4.53.51922.0", "x64", display_name="Wetter",
                      logo=Logo((0x2b, 0x88, 0xd8), "circle", "scale-200"))
    store = Package("Microsoft.WindowsStore", "12107.1001.15.0", "x64", display_name="Microsoft Store",
                    logo=Logo((0x10, 0x10, 0x10), "square"))
    # An update leaves the splash screen of the version before; its folder is gone.
    stale_store = Package("Microsoft.WindowsStore", "12011.1001.1.0", "x64", display_name="Microsoft Store",
                          stale=True)
    paint = Package("Microsoft.MSPaint", "6.2105.4017.0", "x64", display_name=FROM_RESOURCES,
                    logo=Logo((0xe8, 0x6a, 0x10), "triangle", "targetsize-48_altform-unplated"))
    music = Package("Microsoft.ZuneMusic", "10.21061.10121.0", "x64", display_name="Groove-Musik",
                    logo=Logo((0xd8, 0x3b, 0x01), "ring", "scale-100"))
    # A bundle's folder carries its own metadata, no AppxManifest.xml.
    music_bundle = Package("Microsoft.ZuneMusic", "10.21061.10121.0", "neutral",
                           display_name="Groove-Musik (Bündel)", manifest="none")
    alarms = Package("Microsoft.WindowsAlarms", "10.2105.24.0", "x86", display_name="Alarm & Uhr",
                     logo=Logo((0x6b, 0x2f, 0xa0), "diamond"))
    people = Package("Microsoft.People", "10.2105.4.0", "x64", display_name="Kontakte",
                     logo=Logo((0x00, 0x78, 0xd4), "circle", "scale-150"))
    mail = Package("microsoft.windowscommunicationsapps", "16005.14326.20090.0", "x64", display_name=FROM_RESOURCES,
                   logo=Logo((0x00, 0x5a, 0x9e), "bar", "targetsize-24"))
    recorder = Package("Microsoft.WindowsSoundRecorder", "10.2103.28.0", "x64", display_name="Sprachrekorder",
                       has_root_folder=False, manifest="none")
    notes = Package("Microsoft.MicrosoftStickyNotes", "4.1.4.0", "x64", display_name="Kurznotizen")
    photos = Package("Microsoft.Windows.Photos", "2021.21070.22007.0", "x64", display_name="Fotos",
                     logo=Logo((0x00, 0x63, 0xb1), "square"))
    camera = Package("Microsoft.WindowsCamera", "2021.105.10.0", "x64", display_name="Kamera",
                     logo=Logo((0x3a, 0x3a, 0x3a), "ring", "targetsize-256"))
    purchase = Package("Microsoft.WindowsStorePurchaseApp", "12103.1001.1.0", "x64",
                       display_name="Store-Kaufabwicklung", logo=Logo((0x26, 0x26, 0x26), "bar"))
    overlay = Package("Microsoft.XboxGameOverlay", "1.47.2385.0", "x64", display_name="Xbox Game Bar-Plug-In",
                      logo=Logo((0x10, 0x7c, 0x10), "cross"))
    tcui = Package("Microsoft.Xbox.TCUI", "1.24.10001.0", "x64", display_name="Xbox-Benutzeroberfläche",
                   logo=Logo((0x0e, 0x6a, 0x0e), "diamond", "scale-100"))
    help_app = Package("Microsoft.GetHelp", "10.2102.40951.0", "x64", display_name="Hilfe anfordern",
                       logo=Logo((0x00, 0x99, 0xbc), "circle"))
    todos = Package("Microsoft.Todos", "2.48.41431.0", "x64", display_name=FROM_RESOURCES,
                    logo=Logo((0x25, 0x64, 0xcf), "triangle", "scale-125"))
    vclibs_x64 = Package("Microsoft.VCLibs.140.00", "14.0.30704.0", "x64",
                         display_name="Microsoft Visual C++-Laufzeitpaket (x64)", has_root_folder=False,
                         manifest="none")
    vclibs_x86 = Package("Microsoft.VCLibs.140.00", "14.0.30704.0", "x86",
                         display_name="Microsoft Visual C++-Laufzeitpaket (x86)", has_root_folder=False,
                         manifest="none")
    runtime = Package("Microsoft.NET.Native.Runtime.2.2", "2.2.28604.0", "x64", manifest="no-logo")
    advertising = Package("Microsoft.Advertising.Xaml", "10.1811.1.0", "x64", registered=False,
                          has_root_folder=False, manifest="none")
    timer = Package("Contoso.KitchenTimer", "1.0.3.0", "x64", publisher=CONTOSO, display_name="Küchen-Timer",
                    logo=Logo((0xc0, 0x39, 0x2b), "ring"))
    sketch = Package("Microsoft.ScreenSketch", "10.2008.2277.0", "x64", display_name="Ausschneiden und skizzieren",
                     logo=Logo((0x8e, 0x44, 0xad), "cross", damaged=True))

    return [
        # Families stand in this order in the .reg file; Wine lists them sorted all the same.
        with_splash(store, splash_entry(store, stale_store), splash_entry(store)),
        stale_store,
        with_splash(calculator, splash_entry(calculator)),
        with_splash(weather, splash_entry(weather)),
        with_splash(paint, splash_entry(paint)),
        with_splash(music, splash_entry(music)),
        music_bundle,
        with_splash(alarms, splash_entry(alarms)),
        with_splash(people, splash_entry(people)),
        with_splash(mail, splash_entry(mail)),
        with_splash(recorder, splash_entry(recorder)),
        with_splash(notes, splash_entry(notes)),
        # Only an "@{" value counts, even when it names a file that exists.
        with_splash(photos, (f"{photos.full_name}!App",
                             str(WINDOWS_APPS / photos.full_name / MANIFEST_LOGO))),
        with_splash(camera, splash_entry(camera)),
        with_splash(purchase, splash_entry(purchase)),
        with_splash(overlay, splash_entry(overlay)),
        with_splash(tcui, splash_entry(tcui)),
        with_splash(help_app, splash_entry(help_app)),
        with_splash(todos, splash_entry(todos)),
        vclibs_x86,
        vclibs_x64,
        runtime,
        advertising,
        with_splash(timer, splash_entry(timer)),
        # Its logo cannot be decoded: no icon.
        with_splash(sketch, splash_entry(sketch)),
    ]


INSTALLED = _installed()


@dataclass(frozen=True)
class Provisioned:
    long_name: str
    # The manifest the store names: None for no Path value.
    manifest_path: str | None


def _manifest_of(name, version, arch, publisher=MICROSOFT):
    return Package(name, version, arch, publisher).manifest_path


def _provisioned():
    def store_entry(name, version, installed_arch):
        return Provisioned(f"{name}_{version}_neutral_~_{MICROSOFT}",
                           _manifest_of(name, version, installed_arch))

    return [
        store_entry("Microsoft.BingWeather", "4.53.51922.0", "x64"),
        store_entry("Microsoft.WindowsAlarms", "10.2105.24.0", "x86"),
        # Its display name comes from the bundle's own key, the first name tried.
        store_entry("Microsoft.ZuneMusic", "10.21061.10121.0", "x64"),
        # Without "_neutral_~_" all three tries use the same name.
        Provisioned(f"Microsoft.WindowsCalculator_10.2103.8.0_x64__{MICROSOFT}",
                    _manifest_of("Microsoft.WindowsCalculator", "10.2103.8.0", "x64")),
        store_entry("Microsoft.WindowsStore", "12107.1001.15.0", "x64"),
        store_entry("Microsoft.MSPaint", "6.2105.4017.0", "x64"),
        store_entry("Microsoft.People", "10.2105.4.0", "x64"),
        store_entry("microsoft.windowscommunicationsapps", "16005.14326.20090.0", "x64"),
        # Provisioned but removed for this user: the manifest is there, no package key.
        store_entry("Microsoft.WindowsMaps", "10.2104.2.0", "x64"),
        store_entry("Microsoft.GetHelp", "10.2102.40951.0", "x64"),
        # The manifest named is not there; the x86 key wins over the x64 one.
        store_entry("Microsoft.VCLibs.140.00", "14.0.30704.0", "x64"),
        # A damaged manifest with no Name= in it.
        store_entry("Microsoft.Wallet", "2.4.18324.0", "x64"),
        Provisioned(f"Microsoft.MixedReality.Portal_2000.21051.1282.0_neutral_~_{MICROSOFT}", None),
    ]


PROVISIONED = _provisioned()

# Manifests on disk that belong to no installed package: (folder's package, manifest text).
ORPHAN_MANIFESTS = [
    (Package("Microsoft.WindowsMaps", "10.2104.2.0", "x64", display_name="Karten"), None),
    (Package("Microsoft.Wallet", "2.4.18324.0", "x64"),
     '<?xml version="1.0" encoding="utf-8"?>\r\n<Package xmlns="http://schemas.microsoft.com/appx/manifest'
     '/foundation/windows10">\r\n  <Properties>\r\n'),
]


# --- Files -----------------------------------------------------------------------------------------

def manifest_text(package, with_logo=True):
    publisher, publisher_display_name = PUBLISHERS[package.publisher]
    logo = f"\r\n    <Logo>{MANIFEST_LOGO}</Logo>" if with_logo else ""
    return (
        '<?xml version="1.0" encoding="utf-8"?>\r\n'
        '<Package xmlns="http://schemas.microsoft.com/appx/manifest/foundation/windows10">\r\n'
        f'  <Identity Name="{package.name}" Publisher="{publisher}" Version="{package.version}" '
        f'ProcessorArchitecture="{package.arch}" />\r\n'
        '  <Properties>\r\n'
        f'    <DisplayName>{package.display_name or FROM_RESOURCES}</DisplayName>\r\n'
        f'    <PublisherDisplayName>{publisher_display_name}</PublisherDisplayName>{logo}\r\n'
        '  </Properties>\r\n'
        '</Package>\r\n')


def png(width, height, rgba_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(row) for row in rgba_rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


LOGO_SIZE = 50


def _inside_shape(shape, x, y):
    """Whether pixel centre (x, y), in units of the logo's width from its middle, is in the shape."""
    if shape == "circle":
        return x * x + y * y <= 0.3 ** 2
    if shape == "ring":
        return 0.18 ** 2 <= x * x + y * y <= 0.32 ** 2
    if shape == "square":
        return abs(x) <= 0.24 and abs(y) <= 0.24
    if shape == "diamond":
        return abs(x) + abs(y) <= 0.32
    if shape == "triangle":
        return -0.26 <= y <= 0.24 and abs(x) <= (y + 0.26) * 0.6
    if shape == "cross":
        return (abs(x) <= 0.08 and abs(y) <= 0.3) or (abs(y) <= 0.08 and abs(x) <= 0.3)
    if shape == "bar":
        return abs(y) <= 0.1 and abs(x) <= 0.3
    if shape == "keys":
        return 0.04 <= abs(x) <= 0.26 and 0.04 <= abs(y) <= 0.26
    raise ValueError(shape)


def logo_png(logo):
    rows = []
    corner = 0.12
    for row in range(LOGO_SIZE):
        pixels = []
        for column in range(LOGO_SIZE):
            x = (column + 0.5) / LOGO_SIZE - 0.5
            y = (row + 0.5) / LOGO_SIZE - 0.5
            # Rounded corners are transparent, so the list's background shows through.
            dx, dy = max(abs(x) - (0.5 - corner), 0), max(abs(y) - (0.5 - corner), 0)
            if dx * dx + dy * dy > corner * corner:
                pixels += (0, 0, 0, 0)
            elif _inside_shape(logo.shape, x, y):
                pixels += (255, 255, 255, 255)
            else:
                pixels += (*logo.colour, 255)
        rows.append(pixels)
    data = png(LOGO_SIZE, LOGO_SIZE, rows)
    # A download cut short: the signature and part of the header, nothing to decode.
    return data[:40] if logo.damaged else data


def unix_path(drive_c, windows_path):
    path = PureWindowsPath(windows_path)
    assert path.drive.upper() == "C:", windows_path
    return Path(drive_c, *path.parts[1:])


def write_files(drive_c):
    for package in INSTALLED:
        if not package.has_root_folder or package.stale:
            continue
        root = unix_path(drive_c, package.root_folder)
        root.mkdir(parents=True, exist_ok=True)
        if package.manifest != "none":
            (root / "AppxManifest.xml").write_bytes(
                manifest_text(package, with_logo=package.manifest == "full").encode("utf-8"))
        if package.logo:
            logo_file = unix_path(drive_c, str(PureWindowsPath(package.root_folder, package.logo.relative_path())))
            logo_file.parent.mkdir(parents=True, exist_ok=True)
            logo_file.write_bytes(logo_png(package.logo))
    for package, text in ORPHAN_MANIFESTS:
        target = unix_path(drive_c, package.manifest_path)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes((text if text is not None else manifest_text(package)).encode("utf-8"))


# --- Registry --------------------------------------------------------------------------------------

def reg_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def registry_lines():
    lines = ["Windows Registry Editor Version 5.00", ""]

    def key(path, values=()):
        lines.append(f"[{path}]")
        lines.extend(f"{reg_string(name)}={reg_string(data)}" for name, data in values)
        lines.append("")

    families_written = set()
    for package in INSTALLED:
        if not package.stale:
            if package.family not in families_written:
                key(rf"{FAMILIES_KEY}\{package.family}")
                families_written.add(package.family)
            key(rf"{FAMILIES_KEY}\{package.family}\{package.full_name}")
    for package in INSTALLED:
        if package.registered:
            values = []
            if package.display_name is not None:
                values.append(("DisplayName", resource_name(package) if package.display_name == FROM_RESOURCES
                               else package.display_name))
            if package.has_root_folder:
                values.append(("PackageRootFolder", package.root_folder))
            key(rf"{PACKAGES_KEY}\{package.full_name}", values)
    for package in INSTALLED:
        for subkey, image in package.splash:
            key(rf"{SYSTEM_APP_DATA_KEY}\{package.family}\SplashScreen\{subkey}", [("Image", image)])
    for entry in PROVISIONED:
        key(rf"{STORE_KEY}\{entry.long_name}", [("Path", entry.manifest_path)] if entry.manifest_path else [])
    return lines


def write_registry(output):
    # As regedit saves: UTF-16LE with a byte-order mark and CR LF; `wine reg import` keeps
    # umlauts intact this way whatever the console's code page.
    output.write_bytes(("\r\n".join(registry_lines()) + "\r\n").encode("utf-16"))


# --- What the program shows under Wine -------------------------------------------------------------

def wine_order(names):
    # See ENUMERATION_ORDER.
    return sorted(names, key=str.lower)


def shown_display_name(package):
    # Under Wine an "@{...}" reference cannot be resolved, and the program shows it empty.
    if package is None or package.display_name in (None, FROM_RESOURCES):
        return ""
    return package.display_name


def expected_icon(package):
    """The logo file that the family's splash-screen walk settles on, or None. A file that cannot
    be decoded ends the walk without an icon."""
    if package.manifest != "full":
        return None
    registered = {p.full_name: p for p in INSTALLED if p.registered}
    splash = [entry for p in INSTALLED if p.family == package.family for entry in p.splash]
    for _, image in sorted(splash, key=lambda entry: entry[0].lower()):
        if not image.startswith("@{"):
            continue
        referenced = registered.get(image[2:image.index("?")])
        if referenced and referenced.has_root_folder and not referenced.stale and referenced.logo:
            logo = referenced.logo
            return None if logo.damaged else str(PureWindowsPath(referenced.root_folder, logo.relative_path()))
    return None


def installed_rows():
    listed = [p for p in INSTALLED if not p.stale]
    rows = []
    for family in wine_order({p.family for p in listed}):
        members = {p.full_name: p for p in listed if p.family == family}
        for full_name in wine_order(members):
            package = members[full_name]
            rooted = package.registered and package.has_root_folder
            rows.append({
                "display_name": shown_display_name(package if package.registered else None),
                "package_name": package.name,
                "full_name": full_name,
                "root_folder": package.root_folder if rooted else "",
                "family": family,
                "manifest_path": package.manifest_path if rooted else "",
                "icon": expected_icon(package) if rooted else None,
                "selected": package.name.lower() in SELECTED_APPS,
            })
    return rows


def provisioned_rows():
    registered = {p.full_name: p for p in INSTALLED if p.registered}
    names_in_manifests = {p.manifest_path: p.name for p in INSTALLED
                          if p.has_root_folder and not p.stale and p.manifest != "none"}
    names_in_manifests.update({p.manifest_path: "" if text else p.name for p, text in ORPHAN_MANIFESTS})
    by_long_name = {entry.long_name: entry for entry in PROVISIONED}
    rows = []
    for long_name in wine_order(by_long_name):
        manifest_path = by_long_name[long_name].manifest_path
        display_name = ""
        if manifest_path:
            tries = [long_name.replace("_neutral_~_", form) for form in ("_neutral_~_", "_x86__", "_x64__")]
            found = next((registered[name] for name in tries if name in registered), None)
            display_name = shown_display_name(found)
        package_name = names_in_manifests.get(manifest_path, "")
        rows.append({
            "display_name": display_name,
            "long_name": long_name,
            "package_name": package_name,
            "manifest_path": manifest_path or "",
            "icon": ICON_NAMED if display_name else ICON_UNNAMED,
            "selected": package_name.lower() in SELECTED_APPS,
        })
    return rows


def import_checks():
    package = next(p for p in INSTALLED if p.registered and p.has_root_folder)
    entry = next(e for e in PROVISIONED if e.manifest_path)
    return [
        {"key": rf"{PACKAGES_KEY}\{package.full_name}", "value": "PackageRootFolder", "data": package.root_folder},
        {"key": rf"{STORE_KEY}\{entry.long_name}", "value": "Path", "data": entry.manifest_path},
    ]


def summary():
    installed = installed_rows()
    provisioned = provisioned_rows()

    def without_flag(rows):
        return [{k: v for k, v in row.items() if k != "selected"} for row in rows]

    return {
        "enumeration_order": ENUMERATION_ORDER,
        "about": "Rows as Tandrel64.exe shows them under Wine, in list order. The *_default lists hold "
                 "the rows shown with the options at start (only selected apps, no additional "
                 "packages); the *_all lists hold every package, with \"selected\", so that other "
                 "option settings can be derived (installed: additional packages are those with an "
                 "empty root_folder). icon: installed, the logo file or null; provisioned, the "
                 "Shell32 icon resource.",
        "installed_default": without_flag(r for r in installed if r["selected"] and r["root_folder"]),
        "provisioned_default": without_flag(r for r in provisioned if r["selected"]),
        # Values that show whether an import landed, one under each root the program reads.
        "import_checks": import_checks(),
        "installed_all": installed,
        "provisioned_all": provisioned,
    }


def main(argv):
    if len(argv) != 3:
        sys.exit(f"usage: {Path(argv[0]).name} DRIVE_C OUTPUT.reg")
    drive_c, output = Path(argv[1]), Path(argv[2])
    if not drive_c.is_dir():
        sys.exit(f"{drive_c} is not a folder")
    output.parent.mkdir(parents=True, exist_ok=True)
    write_files(drive_c)
    write_registry(output)
    output.with_suffix(".json").write_text(json.dumps(summary(), ensure_ascii=False, indent=2) + "\n",
                                           encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)
