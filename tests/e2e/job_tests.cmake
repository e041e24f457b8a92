# Package jobs through the PowerShell stand-in, and the openers through runas and viewer stand-ins.
