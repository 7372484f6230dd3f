-- The same loop with global variables, closer to the robot's variable cells.
y = 0
while y < 1000 do
    x = 0
    while x < 30000 do
        x = x + 1
    end
    y = y + 1
end
print(string.format('{"x": %d, "y": %d}', x, y))
