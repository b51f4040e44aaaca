a = Array(Space(40000000), Space(30000000))
s = Join(a, "")
