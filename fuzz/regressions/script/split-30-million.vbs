s = Space(30000000)
a = Split(s)
