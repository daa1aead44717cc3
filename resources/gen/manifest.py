"""The application manifest asking for version 6 of the common controls.
One line of UTF-8; the program's own identity and description stay the
placeholders that come with it."""

MANIFEST = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">'
    '<assemblyIdentity version="1.0.0.0" processorArchitecture="X86" '
    'name="CompanyName.ProductName.YourApp" type="win32" />'
    '<description>Your application description here.</description>'
    '<dependency><dependentAssembly>'
    '<assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" '
    'version="6.0.0.0" processorArchitecture="X86" '
    'publicKeyToken="6595b64144ccf1df" language="*" />'
    '</dependentAssembly></dependency></assembly>'
)


def manifest():
    return MANIFEST.encode("utf-8")
