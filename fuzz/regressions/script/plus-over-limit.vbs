s = Space(40000000)
s = s + s
